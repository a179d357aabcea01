// sample_bitmaps.dll holds nothing but its bitmap resources.
