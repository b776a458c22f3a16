#pragma once
// The splash shown on a game's table while no game runs (frmSplash): the title and a cascade of four
// cards that the splash timer deals and restacks, backs and faces by turns. Each game gives its look.
#include "core/window/SplashCascade.h"

#include <QFrame>
#include <array>

class CardImage;
namespace platform {
class Label;
}

class GameSplash : public QFrame {
    Q_OBJECT
public:
    // Where things stand at the design scale, in twips.
    struct Look {
        int cardWidth, cardHeight;
        int cardLeft, cardTop, cardStepX, cardStepY; // card i at (left + stepX * i, top + stepY * i)
        int textLeft, textWidth;
        int companyTop, nameTop, versionTop, platformTop;
        int namePointSize;
        int frameWidth = 0, frameHeight = 0; // 0: the window sizes the frame
    };

    GameSplash(QWidget* parent, const Look& look);

    platform::Label* lblCompanyProduct;
    platform::Label* lblProductName;
    platform::Label* lblVersion;
    platform::Label* lblPlatform;
    std::array<CardImage*, 4> imgSplashImage{};

    // The suite's titles: the game's name, "Corvanta Presents" and the version.
    void showTitles();
    // Every card face down, as the splash first shows them.
    void showBacks();
    // One step of the animation; the state carries on from step to step for the life of the window.
    void animate();
    // Places the cards and the titles (and the frame, when the look sizes it) for the table's scale.
    void arrange(double scale);

    const SplashCascade& cascade() const { return m_cascade; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Look m_look;
    SplashCascade m_cascade;
};
