#include "surface/form_surface.h"

namespace cellaro {

FormSurface::~FormSurface() = default;

} // namespace cellaro
