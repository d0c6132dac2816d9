#include "assets/art/girl_art.h"

#include "assets/art/girl_a_art.h"
#include "assets/art/girl_b_art.h"
#include "game/face_geometry.h"

namespace art {

std::unique_ptr<GirlArt> GirlArt::create(int girl)
{
    if (girl == gp::GirlA)
        return std::make_unique<GirlAArt>();
    return std::make_unique<GirlBArt>();
}

} // namespace art
