#include "core/window/GameForm.h"

#include "platform/Twips.h"

int GameForm::Width() { return platform::widthTw(Form()); }
