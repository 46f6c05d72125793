#pragma once
// The element a take is recorded from.
#include "media/gst_handles.h"

namespace ejteto {

struct RecordingSource {
    gst::ObjectPtr<GstElement> element;
    bool automatic = false; // the system's choice of microphone
};

// EJTETO_AUDIO_SOURCE, when set, is a pipeline description used instead of
// the default microphone ("audiotestsrc wave=sine"); an invalid description
// raises AppError with the parser's text. The element may be missing when
// the service has no automatic source at all.
RecordingSource makeRecordingSource();

// True when the automatic source, once it is READY or beyond, found no
// microphone and stood in a silent test signal for it.
bool isSilentStandIn(GstElement* automaticSource);

} // namespace ejteto
