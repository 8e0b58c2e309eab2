#pragma once
// The About window: program name, version, what the program does, the
// maker's page, and a Close button. Shown modally and destroyed afterwards.

#include <QDialog>

class QLabel;
class QPushButton;

namespace orvane {

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QLabel* ProgramNameLabel;  // the program name, large
    QLabel* TitleLabel;        // the program title
    QLabel* VersionLabel;      // VersionText(kVersionLong) and the full version
    QLabel* AboutText;         // what the program does
    QLabel* WebLabel;          // the maker's page
    QPushButton* CloseBtn;
};

}  // namespace orvane
