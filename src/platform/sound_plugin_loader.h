#pragma once

#include <QString>

namespace ondulix {

class SoundBackend;

// The sound backend from its plugin, loaded on the first call that finds it and kept for the
// rest of the run. It looks beside the program (the build tree), then where the install puts it
// (lib/<machine>/ondulix/ beside bin/), then in Qt's library paths (QT_PLUGIN_PATH, for tests).
// Event thread only. Null, with the reason in `failure`, when no copy of the plugin loads.
SoundBackend* loadSoundBackend(QString& failure);

} // namespace ondulix
