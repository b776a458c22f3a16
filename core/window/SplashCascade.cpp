#include "core/window/SplashCascade.h"

#include "core/cards/CardImage.h"

void SplashCascade::step(const std::array<CardImage*, 4>& images,
                         const std::function<void(CardImage*, bool back)>& dealCard)
{
    CardImage* image = images[std::size_t(Position)];
    image->lower();
    if (Forward) {
        dealCard(image, ShowBacks);
        if (++Position == int(images.size())) {
            Forward = false;
            Position = int(images.size()) - 1;
        }
    } else if (--Position < 0) {
        Forward = true;
        Position = 0;
        ShowBacks = !ShowBacks;
    }
}
