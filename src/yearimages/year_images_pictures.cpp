// The emblem, script and clip-art boxes: their loaders and their places over the photo.
#include <QLabel>
#include <QPixmap>

#include "content/naming.h"
#include "program/controls.h"
#include "program/program.h"
#include "yearimages/picture_file.h"
#include "yearimages/picture_places.h"
#include "yearimages/year_images.h"

namespace velocarta {

void YearImages::Fill(QLabel* box, const ContentFile& picture) {
    const QImage image = LoadPictureFile(program_.services.fileSystem, picture);
    box->setPixmap(QPixmap::fromImage(image));
    // The box sizes itself to its picture and its border.
    const int border = 2 * box->frameWidth();
    box->resize(image.width() + border, image.height() + border);
}

void YearImages::PlaceEmblem() {
    picEmblem_->setGeometry(
        PixelsOf(EmblemPlace(mainWindow_.layout(), picEmblem_->width(), picEmblem_->height())));
}

void YearImages::PlaceScript() {
    picScript_->setGeometry(
        PixelsOf(ScriptPlace(mainWindow_.layout(), picScript_->width(), picScript_->height())));
}

void YearImages::PlaceClipArt() {
    picClipArt_->setGeometry(
        PixelsOf(ClipArtPlace(mainWindow_.layout(), picClipArt_->width(), picClipArt_->height())));
}

void YearImages::LoadEmblem() {
    picEmblem_->hide();
    try {
        Fill(picEmblem_, EmblemPicture(program_.contentPath, program_.onShow.caption()));
        PlaceEmblem();
        picEmblem_->raise();
        picEmblem_->show();
    } catch (const PictureLoadError&) {
        program_.ShowError("ER022", ErrorSource::Trap);
    }
}

void YearImages::LoadScript() {
    picScript_->hide();
    try {
        Fill(picScript_, ScriptPicture(program_.contentPath, program_.onShow.caption()));
        PlaceScript();
        picScript_->raise();
        picScript_->show();
    } catch (const PictureLoadError&) {
        program_.ShowError("ER021", ErrorSource::Trap);
    }
}

void YearImages::LoadClipArt() {
    // An open clip art that cannot be reloaded stays open with the picture it had.
    try {
        Fill(picClipArt_, ClipArtPicture(program_.contentPath, program_.onShow.caption()));
        PlaceClipArt();
    } catch (const PictureLoadError&) {
        program_.ShowError("ER024", ErrorSource::Trap);
    }
}

}  // namespace velocarta
