#pragma once

// Dialog units: dialog layouts are measured in quarters of the dialog font's average
// character width (x) and eighths of its character height (y), so a layout keeps its
// proportions whatever font the system finds.

#include <QFont>
#include <QRect>
#include <QSize>

// The font a template asks for, or the nearest we have: the face itself where installed;
// otherwise a fixed-pitch face for "Courier New" (the columns of the buffer view must line
// up) and the application's default face for any other (e.g. "MS Sans Serif", which Linux
// does not have). Always at the template's point size.
QFont DialogFont(const char* pszFace, int nPointSize);

class CDialogUnits {
  public:
    explicit CDialogUnits(const QFont& font);

    int X(int nUnits) const;
    int Y(int nUnits) const;
    QRect Rect(int x, int y, int cx, int cy) const;
    QSize Size(int cx, int cy) const;

    int AverageCharWidth() const { return m_nAverageWidth; }
    int CharHeight() const { return m_nHeight; }

  private:
    int m_nAverageWidth;
    int m_nHeight;
};
