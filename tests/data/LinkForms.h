#pragma once

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

// The symbolic links a user may put in place of a file beside the data files: each leads from
// the name in the start directory to a file of the same name in the folder "real" under it.
struct LinkForm {
    const char* what;
    bool relative; // the link names its target from its own folder
    bool throughLink; // it leads to a second link, which leads to the file
    bool fileExists; // the file it leads to is there (else the link dangles)
};

inline constexpr LinkForm kLinkForms[] = {
    { "a link into another folder", false, false, true },
    { "a relative link", true, false, true },
    { "a link to a link", true, true, true },
    { "a dangling link", false, false, false },
    { "a dangling link to a link", false, true, false },
};

inline void makeSymlink(const QString& dir, const QString& to, const QString& at)
{
    EXPECT_EQ(::symlink(QFile::encodeName(to).constData(), QFile::encodeName(QDir(dir).filePath(at)).constData()), 0)
        << at.toStdString();
}

// Makes name in dir a link of the form and returns the path of the file it leads to, which holds
// bytes when the form's file exists.
inline QString makeLink(const QString& dir, const QString& name, const LinkForm& form, const QByteArray& bytes)
{
    QDir(dir).mkpath(QStringLiteral("real"));
    const QString file = QDir(dir).filePath(QStringLiteral("real/") + name);
    if (form.fileExists)
        writeFileBytes(file, bytes);
    const QString target = form.relative ? QStringLiteral("real/") + name : file;
    if (form.throughLink) {
        makeSymlink(dir, target, name + QStringLiteral(".hop"));
        makeSymlink(dir, name + QStringLiteral(".hop"), name);
    } else {
        makeSymlink(dir, target, name);
    }
    return file;
}

// Whether name in dir, and the link it leads through, are still links.
inline bool staysLink(const QString& dir, const QString& name, const LinkForm& form)
{
    const QDir folder(dir);
    return QFileInfo(folder.filePath(name)).isSymLink()
        && (!form.throughLink || QFileInfo(folder.filePath(name + QStringLiteral(".hop"))).isSymLink());
}

// The temporary files of a save left in dir or its folder "real".
inline QStringList temporariesIn(const QString& dir)
{
    QStringList out;
    for (const QString& folder : { dir, QDir(dir).filePath(QStringLiteral("real")) })
        for (const QString& entry : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (entry.contains(QStringLiteral(".~rotandesk-save-")))
                out << entry;
    return out;
}
