#pragma once

#include <QProgressBar>
#include <QString>

#include "content/content_file.h"
#include "mediastore/block_copy.h"

namespace velocarta {

class Program;

// A gauge: a sunken 3-D panel filled from the left to a whole percentage, with a caption
// in its middle that the program sets on its own (the copy panel writes the same number
// there). The caption is drawn in the fill's text colour where the fill lies under it. A
// screen reader hears it as a progress bar with its percentage.
class Gauge : public QProgressBar {
    Q_OBJECT

  public:
    Gauge(QWidget* parent, const QString& name, const QString& accessibleName);

    // 0 to 100; other values are held within that.
    void setFloodPercent(int percent);
    int floodPercent() const { return value(); }
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }

    QString text() const override { return caption_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
};

// Copies one file in blocks of 1,000 bytes and moves `gauge` after each block (its fill
// only, never its caption), letting the windows repaint in between; the user's input waits
// until the copy is done. An existing target is replaced; a failed copy leaves the target
// as it was and no partial file. A copy still running when the program ends stops there,
// as Cancelled.
FileCopyOutcome CopyFileWithGauge(Program& program, const ContentFile& source,
                                  const ContentFile& target, Gauge& gauge);

}  // namespace velocarta
