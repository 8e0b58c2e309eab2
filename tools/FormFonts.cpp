#include "tools/FormFonts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QTextEdit>
#include <QWidget>

#include "tools/SystemLanguage.h"
#include "tools/UiFontChoice.h"
#include "tools/settings/IniSettings.h"

namespace orvane {

namespace {

// Controls that take the window font. Grids (item views other than lists)
// keep their own: their cells are drawn in fonts of their own.
bool TakesWindowFont(QWidget* w)
{
    if (qobject_cast<QAbstractItemView*>(w))
        return w->inherits("QListView");
    return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QGroupBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) ||
           qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QFrame*>(w);
}

void SetFace(QWidget* w, const QString& face)
{
    QFont font = w->font();
    if (font.family() == face && w->testAttribute(Qt::WA_SetFont))
        return;
    font.setFamily(face);
    w->setFont(font);
}

// Gives each caption without "&" the first letter no sibling uses yet.
void AddAccelerators(const QList<QAction*>& actions)
{
    QSet<QChar> used;
    for (QAction* a : actions) {
        const QString text = a->text();
        const int amp = text.indexOf('&');
        if (amp >= 0 && amp + 1 < text.size() && text[amp + 1] != '&')
            used.insert(text[amp + 1].toLower());
    }
    for (QAction* a : actions) {
        if (a->isSeparator() || a->text().contains('&'))
            continue;
        QString text = a->text();
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text[i].toLower();
            if (c.isLetterOrNumber() && !used.contains(c)) {
                used.insert(c);
                text.insert(i, '&');
                a->setText(text);
                break;
            }
        }
    }
}

}  // namespace

QString UiFontName()
{
    static const QString name =
        QString::fromStdString(UiFontNameFromSettings(DefaultIniPath(), SystemLanguageIsEnglish()));
    return name;
}

void ApplyFormFace(QWidget* window, const QString& face)
{
    if (!window)
        return;
    SetFace(window, face);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (TakesWindowFont(child))
            SetFace(child, face);
    }
}

void AddMenuAccelerators(QWidget* window)
{
    if (!window)
        return;
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        AddAccelerators(bar->actions());
    for (QMenu* menu : window->findChildren<QMenu*>())
        AddAccelerators(menu->actions());
}

void ApplyFormFonts(QWidget* window)
{
    ApplyFormFace(window, UiFontName());
    AddMenuAccelerators(window);
}

}  // namespace orvane
