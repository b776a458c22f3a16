#pragma once
// The deal-and-restack cycle of a splash's four-card cascade, one rhythm for every game window's splash.
#include <array>
#include <functional>

class CardImage;

struct SplashCascade {
    int Position = 0;
    bool Forward = false;
    bool ShowBacks = false;

    // One tick: the card at Position goes under the others; a forward pass deals it (a back or a face
    // by turns, through dealCard), a backward pass only restacks.
    void step(const std::array<CardImage*, 4>& images, const std::function<void(CardImage*, bool back)>& dealCard);
};
