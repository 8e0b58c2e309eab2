#include "ui/ProjectTitleF.h"

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QString>

#include "core/ProjectRecord.h"
#include "tools/QtText.h"

namespace orvane {

TProjectTitle::TProjectTitle(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ProjectTitle"));
    setWindowTitle(QStringLiteral("Project title"));
    setFixedSize(469, 94);
    Label1 = new QLabel(QStringLiteral("Project Title"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(12, 32);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(96, 28, 361, Edit1->sizeHint().height());
    Label1->setBuddy(Edit1);
    // Enter closes the dialog like its close box; either way the text counts.
    connect(Edit1, &QLineEdit::returnPressed, this, &QDialog::accept);
}

void StoreProjectTitle(ProjectRecord& rec, QString& titleText, const QString& entered)
{
    titleText = entered;
    // Characters, not UTF-16 units: a character beyond 16 bits counts once.
    QList<uint> characters = entered.toUcs4();
    if (characters.size() > kTitleMax)
        characters.resize(kTitleMax);
    const QString first =
        QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size());
    SetTitleBytes(rec, To1252(first));
}

void EditProjectTitle(QWidget* owner, ProjectRecord& rec, QString& titleText)
{
    TProjectTitle dialog(owner);
    dialog.Edit1->setText(titleText);
    dialog.Edit1->selectAll();
    dialog.exec();
    StoreProjectTitle(rec, titleText, dialog.Edit1->text());
}

}  // namespace orvane
