#pragma once
// TBackgroundPlacement: places a picture that carries no georeferencing (a
// scanned chart, a PNG or JPEG) on the drawing pad by two control points:
// for each, a position on the picture (pixels from its top-left corner,
// fractions allowed) and the world point it shows, in the project's unit.
// The picture is then shifted, turned and scaled alike both ways through the
// two (PictureToWorldFromControlPoints).
//
// "OK" takes the values only when each is a number ("." or "," as decimal
// separator) and the two points differ on the picture and in the world;
// otherwise ProblemLabel says why and the dialog stays open.

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvane {

class TBackgroundPlacement : public QDialog {
    Q_OBJECT

public:
    // proposed: {column1, row1, x1, y1, column2, row2, x2, y2}, shown at first.
    TBackgroundPlacement(int pictureWidth, int pictureHeight, const QString& unit,
                         const std::array<double, 8>& proposed, QWidget* parent = nullptr);

    // The values typed, in the order of proposed; meaningful once accepted.
    std::array<double, 8> Placement() const { return placement_; }

    // Checks the values; accepts the dialog when they place the picture.
    void OkBtnClick();

    QLineEdit* Column1Edit = nullptr;
    QLineEdit* Row1Edit = nullptr;
    QLineEdit* X1Edit = nullptr;
    QLineEdit* Y1Edit = nullptr;
    QLineEdit* Column2Edit = nullptr;
    QLineEdit* Row2Edit = nullptr;
    QLineEdit* X2Edit = nullptr;
    QLineEdit* Y2Edit = nullptr;
    QLabel* ProblemLabel = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

private:
    std::array<QLineEdit*, 8> Edits() const;
    std::array<double, 8> placement_ {};
};

}  // namespace orvane
