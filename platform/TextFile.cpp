#include "platform/TextFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringDecoder>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace platform {

namespace {
// Ends the name of each temporary the writer makes: no player names a file like this, so the launch
// clean-up can tell our leftovers from the player's own files.
const QString TemporaryMark = QStringLiteral(".parlour-tmp-");
constexpr int TemporaryTagLength = 6;

QString temporaryTag()
{
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString tag;
    for (int i = 0; i < TemporaryTagLength; ++i)
        tag += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)]);
    return tag;
}

// A new, empty temporary beside `target`, open for writing; false when none could be made.
bool openTemporary(const QString& target, QFile& temporary)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary.setFileName(target + TemporaryMark + temporaryTag());
        if (temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (!QFileInfo::exists(temporary.fileName()))
            return false; // not a clash of names: the folder takes no new file
    }
    return false;
}
} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& contents)
{
    QFileInfo existing(path);
    // A file the player made read-only, or a folder in its place, is left as it is.
    if (existing.isDir() || (existing.exists() && !existing.isWritable()))
        return false;
    // A link is kept, and the file it points to replaced.
    QString target = path;
    for (int depth = 0; depth < 64 && existing.isSymLink(); ++depth) {
        existing.setFile(existing.symLinkTarget());
        target = existing.filePath();
    }

    QFile temporary;
    if (!openTemporary(target, temporary))
        return false;
    if (existing.exists())
        temporary.setPermissions(existing.permissions());
    // Unbuffered, so a write the disk refuses is seen here; the data is on the disk before the rename,
    // or a crash could leave an empty file where the old one was.
    bool written = temporary.write(contents) == contents.size() && temporary.error() == QFileDevice::NoError;
    if (written && ::fsync(temporary.handle()) != 0 && errno != EINVAL)
        written = false;
    temporary.close();
    if (written && temporary.error() == QFileDevice::NoError &&
        ::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    QFile::remove(temporary.fileName());
    return false;
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
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    }
    return kept;
}

void removeStaleTemporaries(const QString& folder, int minimumAgeSeconds)
{
    static const QRegularExpression Temporary(QStringLiteral("^.+") + QRegularExpression::escape(TemporaryMark) +
                                              QStringLiteral("[A-Za-z0-9]{%1}$").arg(TemporaryTagLength));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minimumAgeSeconds);
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        if (Temporary.match(file.fileName()).hasMatch() && file.lastModified().toUTC() < before)
            QFile::remove(file.absoluteFilePath());
    }
}

} // namespace platform
