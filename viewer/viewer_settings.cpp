#include "viewer/viewer_settings.h"

namespace velmorant::viewer {

ViewerSettings Values;

ConversionSettings ConversionOf(const ViewerSettings& v) {
    return {v.Vozduh, v.Temperature, v.KHH, v.DZ, v.Korr, v.PrFors, v.KolFors, v.ChastFors};
}

}  // namespace velmorant::viewer
