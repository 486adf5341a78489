#include "about/Sound.h"

#include <windows.h>
#include <mmsystem.h>

namespace About {

namespace {

std::function<void(int)>& Player()
{
    static std::function<void(int)> player;
    return player;
}

} // namespace

void PlayWaveResource(int id)
{
    if (Player()) {
        Player()(id);
        return;
    }
    PlaySoundW(MAKEINTRESOURCEW(id), GetModuleHandleW(nullptr), SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT);
}

void SetSoundForTests(std::function<void(int)> player)
{
    Player() = std::move(player);
}

} // namespace About
