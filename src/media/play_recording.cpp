#include "media/media_player.h"
#include "media/recording_bounds.h"

namespace ejteto {

void playRecording(MediaPlayer& player, const QString& path, double rate)
{
    player.setFileName(path);
    // Checked before the service sees the file: the play blocks the window
    // for as long as the recording lasts. Refused like a failed open, with
    // nothing left open.
    try {
        refuseOverlongRecording(path);
    } catch (...) {
        player.Close();
        throw;
    }
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
