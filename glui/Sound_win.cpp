#include "glui/Sound.h"

#include <windows.h>

#include <mmsystem.h>

void PlaySoundFile(const char* fileName) {
    sndPlaySoundA(fileName, SND_ASYNC);
}
