#include "platform/TextFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

namespace platform {

bool writeFileAtomically(const QString& path, const QByteArray& contents)
{
    QSaveFile f(path);
    // Unbuffered, so a write the disk refuses is seen here and not lost in a flush at commit.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (f.write(contents) != contents.size() || !f.flush() || f.error() != QFileDevice::NoError) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool readWholeFile(const QString& path, QByteArray* contents)
{
    // Checked before opening: opening a pipe would wait for a writer.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > LargestReadableFile)
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    // The file may have grown since it was looked at.
    QByteArray bytes = f.read(LargestReadableFile + 1);
    if (bytes.size() > LargestReadableFile || f.error() != QFileDevice::NoError)
        return false;
    *contents = std::move(bytes);
    return true;
}

namespace {
bool validUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}
} // namespace

QString decodeText(const QByteArray& bytes)
{
    if (validUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArrayView line(bytes.constData() + start, end - start);
        text += validUtf8(line) ? QString::fromUtf8(line) : QString::fromLatin1(line);
        start = end;
    }
    return text;
}

QString withoutControlCharacters(const QString& text)
{
    QString kept = text;
    for (QChar& c : kept) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return kept;
}

void removeStaleTemporaries(const QString& folder, int minimumAgeSeconds)
{
    // The atomic writer's temporaries are the final name and six letters or digits.
    static const QRegularExpression Temporary(QStringLiteral("^.+\\.(ini|txt)\\.[A-Za-z0-9]{6}$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minimumAgeSeconds);
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : files) {
        if (Temporary.match(file.fileName()).hasMatch() && file.lastModified().toUTC() < before)
            QFile::remove(file.absoluteFilePath());
    }
}

} // namespace platform
