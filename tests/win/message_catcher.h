#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Catches the message boxes that the code under test shows on this thread:
// records their texts and captions and closes them at once.
class MessageCatcher {
public:
    MessageCatcher();
    ~MessageCatcher();
    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;

    struct Box {
        std::string text, caption;
    };
    const std::vector<Box>& Boxes() const;
    // The one text shown, or a description of what was shown instead.
    std::string OnlyText() const;

private:
    HHOOK hook_;
};
