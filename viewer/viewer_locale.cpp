#include "viewer/viewer_locale.h"

namespace velmorant::viewer {

DisplayLocale Locale;

}  // namespace velmorant::viewer
