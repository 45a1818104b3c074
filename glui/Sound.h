#pragma once

// Sounds of the main window, relative to the current directory.
inline constexpr const char* kHoverSound = "sound\\hover.wav";
inline constexpr const char* kClickSound = "Sound\\click.wav";

// Starts playing a WAV file and returns at once; a sound still playing is cut off.
void PlaySoundFile(const char* fileName);
