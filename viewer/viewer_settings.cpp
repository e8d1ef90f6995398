#include "viewer/viewer_settings.h"

namespace velmorant::viewer {

ViewerSettings Values;

}  // namespace velmorant::viewer
