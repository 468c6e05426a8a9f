#include "common/Global.h"

namespace dirvane {

TGlobalOptions GlobalOptions;

}  // namespace dirvane
