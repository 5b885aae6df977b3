#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

namespace quobix {

class frmQuobixEditorZN;

// The main window's client area below the menu bar. Everything is drawn into a persistent
// image, so covering and uncovering the window never loses or recomputes anything; mouse
// events go to the window's handlers with the button codes 1 left, 2 right, 4 middle.
class GridCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 796;
    static constexpr int ClientHeight = 558;

    explicit GridCanvas(frmQuobixEditorZN* owner);

    QImage& Backing() { return backing; }
    const QImage& Backing() const { return backing; }

    // Plain copy of a picture with its top left corner at (x, y).
    void PaintPicture(const QImage& picture, int x, int y);
    // White over the hexagon's interior of the cell whose picture corner is (x, y), then the
    // picture combined with the image by bitwise AND.
    void PaintCell(const QImage& picture, int x, int y);
    // The same on any RGB32 image (the play window draws its own).
    static void PaintCellOn(QImage& image, const QImage& picture, int x, int y);
    // While a whole grid is drawn, the screen is brought up to date once at the end.
    void SetDeferUpdates(bool defer);

    // Marks shown over the grid and never drawn into the image: a light hatch on the cells of
    // hatched, a red frame round the cells of framed (grid cell indices). None clears them.
    void SetMarks(std::vector<int> hatched, std::vector<int> framed);
    bool HasMarks() const { return !hatched.empty() || !framed.empty(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    frmQuobixEditorZN* owner;
    QImage backing;
    bool deferUpdates = false;
    std::vector<int> hatched;
    std::vector<int> framed;
};

} // namespace quobix
