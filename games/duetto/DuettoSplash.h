#pragma once
// The splash shown on the table while no game runs (frmSplash): the title and a fan of four cards
// that the splash timer deals and restacks, backs and faces by turns.
#include <QFrame>
#include <array>

class CardImage;
namespace platform {
class Label;
}

class DuettoSplash : public QFrame {
    Q_OBJECT
public:
    explicit DuettoSplash(QWidget* parent = nullptr);

    platform::Label* lblCompanyProduct;
    platform::Label* lblProductName;
    platform::Label* lblVersion;
    platform::Label* lblPlatform;
    std::array<CardImage*, 4> imgSplashImage{};

    // One tick of the animation; the state carries on from tick to tick for the life of the window.
    void animate();

    int SplashIndex = 0;
    bool SplashForward = false;
    bool SplashShowBack = false;

protected:
    void paintEvent(QPaintEvent*) override;
};
