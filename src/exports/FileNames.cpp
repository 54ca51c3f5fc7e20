#include "exports/FileNames.h"

#include <QRegularExpression>
#include <QSet>

namespace exports {

QString fileNameOf(const QString& text)
{
    QString name = text;
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"\\/:*?\"<>|").contains(c))
            c = u'_';
    }
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9¹²³]|LPT[1-9¹²³]) *(\\.|$)"),
        QRegularExpression::CaseInsensitiveOption);
    if (reserved.match(name).hasMatch())
        name.prepend(u'_');
    return name.isEmpty() ? QStringLiteral("_") : name;
}

QStringList distinctFileNames(const QStringList& texts, const QString& extension)
{
    QStringList names;
    QSet<QString> taken; // case-folded
    for (const QString& text : texts) {
        const QString base = fileNameOf(text);
        QString name = base + extension;
        for (int n = 2; taken.contains(name.toCaseFolded()); ++n)
            name = base + QStringLiteral(" (%1)").arg(n) + extension;
        taken.insert(name.toCaseFolded());
        names << name;
    }
    return names;
}

} // namespace exports
