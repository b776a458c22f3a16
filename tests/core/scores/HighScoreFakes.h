#pragma once
// A game window reduced to what the high-score services touch, and a scripted name prompt and viewer.
#include "core/window/GameForm.h"
#include "core/scores/HighScores.h"
#include "platform/Label.h"

#include <QByteArray>
#include <QFile>
#include <QWidget>
#include <deque>
#include <utility>
#include <vector>

class HighScoreTestForm : public GameForm {
public:
    explicit HighScoreTestForm(const QString& name) : m_name(name) { lblHighScore = new platform::Label(&m_window); }
    QString Name() const override { return m_name; }
    QWidget* Form() override { return &m_window; }
    void ShowCards(bool) override {}
    void ShowControls(bool, bool) override {}

private:
    QWidget m_window;
    QString m_name;
};

// Answers the name prompt from a script and records each showing of the table.
class ScriptedHighScoreDialogs {
public:
    ScriptedHighScoreDialogs()
    {
        setHighScoreDialogs({[this](GameForm& form) {
                                 promptedFor.push_back(&form);
                                 if (names.empty())
                                     return QString();
                                 const QString name = names.front();
                                 names.pop_front();
                                 return name;
                             },
                             [this](const QString& fileBase, GameForm& form) {
                                 tablesShown.push_back({fileBase, &form});
                             }});
    }
    ~ScriptedHighScoreDialogs() { setHighScoreDialogs({}); }

    std::deque<QString> names;
    std::vector<GameForm*> promptedFor;
    std::vector<std::pair<QString, GameForm*>> tablesShown;
};

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}
