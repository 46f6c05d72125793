#include "media/media_player.h"

namespace ejteto {

void playRecording(MediaPlayer& player, const QString& path, double rate)
{
    player.setFileName(path);
    player.Open(); // a failure leaves nothing open and ends the sequence here
    try {
        player.setWait(true);
        player.setRate(rate);
        player.Play();
    } catch (...) {
        player.Close();
        throw;
    }
    player.Close();
}

} // namespace ejteto
