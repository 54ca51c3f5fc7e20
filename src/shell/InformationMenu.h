#pragma once

class QAction;
class QWidget;

// The items of the main window's "情報" menu that show fixed texts: the maker, the provider,
// the rights holder, the terms of use, the title, the environment, support and help.
struct InformationItems {
    QAction* maker;
    QAction* provider;
    QAction* copyright;
    QAction* terms;
    QAction* titleInfo;
    QAction* environment;
    QAction* support;
    QAction* help;
};

// Connects each item to its dialog (one OK button) over window; the six "開発・提供" items also
// check themselves.
void connectInformationMenu(QWidget* window, const InformationItems& items);
