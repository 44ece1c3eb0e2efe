// The Nostalgia button: the year's nostalgia text in the text viewer.
#include <QTextBrowser>
#include <filesystem>

#include "content/errors.h"
#include "content/naming.h"
#include "yearimages/year_images_fixture.h"

namespace velocarta::testing {
namespace {

class Nostalgia : public YearImagesTest {
  protected:
    // Presses Nostalgia; the viewer's caption and text, or "" and the reported code.
    std::pair<std::string, std::string> read() {
        const std::size_t before = boxes();
        press("cmdNostalgia");
        QWidget* viewer = ShownWindow(QStringLiteral("txtForm"));
        if (viewer == nullptr) {
            return {"", boxes() == before ? std::string("nothing") : codesSince(before).back()};
        }
        std::pair<std::string, std::string> shown{
            viewer->windowTitle().toStdString(),
            Find<QTextBrowser>(viewer, "rtbText")->toPlainText().toStdString()};
        Click(Find(viewer, "SSCommand1"));
        return shown;
    }
    using Shown = std::pair<std::string, std::string>;
};

TEST_F(Nostalgia, AModelYearUnderItsCaption) {
    WriteRtf(harness.disc, "/RICHTEXT/NOSTALGIA64.RTF", "Summer of 1964");
    start();
    EXPECT_EQ(read(), Shown("", "nothing"));
    pick(1);
    EXPECT_EQ(read(), Shown("The Vantrel Velocarta     Nostalgia 1964", "Summer of 1964"));
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(Nostalgia, The2000TextUnderEitherOfItsNames) {
    // The sample disc names it by the year code, as the content tree does.
    const std::string byCode = NostalgiaDoc("", CaptionToYearCode("2000")).rel;
    ASSERT_EQ(byCode, "/richtext/nostalgiaA0.rtf");
    WriteRtf(harness.disc, byCode, "Named by its year code");
    start();
    pick(37);
    EXPECT_EQ(read(), Shown("The Vantrel Velocarta     Nostalgia 2000", "Named by its year code"));

    // A disc that spells it as the button does; with both, the button's own name wins.
    WriteRtf(harness.disc, "/richtext/nostalgia00.rtf", "Named by its digits");
    EXPECT_EQ(read().second, "Named by its digits");
    std::filesystem::remove(harness.disc.path() + byCode);
    EXPECT_EQ(read().second, "Named by its digits");
}

TEST_F(Nostalgia, AMissingTextIsReported) {
    start();
    pick(1);
    EXPECT_EQ(read(), Shown("", "ER005"));
    EXPECT_EQ(harness.prompter.last().text, ComposeErrorMessage("ER005"));
    EXPECT_EQ(ShownWindow(QStringLiteral("txtForm")), nullptr);
    EXPECT_TRUE(form->isEnabled());
}

}  // namespace
}  // namespace velocarta::testing
