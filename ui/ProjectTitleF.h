#pragma once
// TProjectTitle: the small dialog in which the project title is typed, and
// the title transfer behind the main window's "Project title" command.
//
// The main window keeps the title as typed (TitleText, any length); the
// project record keeps its first 80 characters in Windows-1252 (Title), for
// the report headers and the project file. Closing the dialog in any way
// keeps what was typed: there is no cancel.

#include <QDialog>

class QLabel;
class QLineEdit;
class QString;

namespace orvane {

struct ProjectRecord;

class TProjectTitle : public QDialog {
    Q_OBJECT
public:
    explicit TProjectTitle(QWidget* parent = nullptr);

    QLabel* Label1;  // "Project Title"
    QLineEdit* Edit1;
};

// titleText becomes entered, whole; the record's Title its first 80
// characters, each character Windows-1252 lacks written as "?".
void StoreProjectTitle(ProjectRecord& rec, QString& titleText, const QString& entered);

// The command: the dialog, modal over owner, starting with titleText; when
// it closes (or cannot be shown) the entry is stored by StoreProjectTitle.
// The caller refreshes its caption afterwards.
void EditProjectTitle(QWidget* owner, ProjectRecord& rec, QString& titleText);

}  // namespace orvane
