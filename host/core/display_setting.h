#pragma once
// The Core library's display setting: the size class of the user's dialog font. The value 4
// stands for large fonts, at which captions take 8 pixels a character instead of 4.
int getDisplaySetting();
void setDisplaySetting(int value);
