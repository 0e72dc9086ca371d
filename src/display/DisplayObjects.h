#pragma once
// The six display objects shared by the screens. Releasing one clears its reference;
// releasing an empty reference does nothing.
#include <memory>

namespace trelon {

class DisplayDevice;
class Palette;
class Surface;

struct DisplayObjects {
    std::shared_ptr<::trelon::DisplayDevice> DisplayDevice;
    std::shared_ptr<Palette> DisplayPalette;
    std::shared_ptr<Surface> PrimarySurface;
    std::shared_ptr<Surface> SceneSurface;
    std::shared_ptr<Surface> AuxSurface;
    std::shared_ptr<Surface> PictureSurface;
};

} // namespace trelon
