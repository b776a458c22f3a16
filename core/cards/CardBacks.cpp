#include "core/cards/CardBacks.h"

#include "core/window/GameForm.h"
#include "core/cards/ImageList.h"

#include <QAction>

void ClearCardBackChecks(GameForm& Form)
{
    for (QAction* entry : {Form.mnuMagic, Form.mnuPalm, Form.mnuNight, Form.mnuHot})
        if (entry)
            entry->setChecked(false);
}

void SelectCardBackDesign(GameForm& Form, CardBackDesign design)
{
    ClearCardBackChecks(Form);
    QAction* entry = nullptr;
    switch (design) {
    case CardBackDesign::PalmTree: entry = Form.mnuPalm; break;
    case CardBackDesign::MagicHands: entry = Form.mnuMagic; break;
    case CardBackDesign::NightCastle: entry = Form.mnuNight; break;
    case CardBackDesign::HotCards: entry = Form.mnuHot; break;
    }
    if (entry)
        entry->setChecked(true);

    // Keys are unique, so every design key goes before the new three are set.
    ImageList& list = ImageList2();
    for (int i = 1; i <= 12; ++i)
        list.setKey(i, QString());
    const int first = int(design);
    list.setKey(first, QStringLiteral("FULL"));
    list.setKey(first + 1, QStringLiteral("BACK"));
    list.setKey(first + 2, QStringLiteral("HALF"));
}
