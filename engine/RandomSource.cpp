#include "engine/RandomSource.h"

namespace rewrix::engine {

RandomSource& RandomSource::Program() {
    static RandomSource source;
    return source;
}

} // namespace rewrix::engine
