#include "inspector/view_state.h"

InspectorView view;
