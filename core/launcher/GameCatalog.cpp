#include "core/launcher/GameCatalog.h"

#include <QMap>
#include <QPointer>
#include <QWidget>

namespace {
struct Entry {
    GameFormFactory factory;
    QPointer<QWidget> form;
};
QMap<QString, Entry>& catalog()
{
    static QMap<QString, Entry> c;
    return c;
}
} // namespace

void registerGameForm(const QString& tagline, GameFormFactory factory) { catalog()[tagline] = Entry{std::move(factory), {}}; }

QWidget* gameFormFor(const QString& tagline)
{
    auto it = catalog().find(tagline);
    if (it == catalog().end())
        return nullptr;
    if (!it->form)
        it->form = it->factory();
    return it->form;
}
