#include "reading/year_texts.h"

#include <gtest/gtest.h>

namespace velocarta {
namespace {

struct Case {
    const char* caption;
    const char* lookup;
    const char* folder;
    const char* viewerCaption;
};

void Check(const Case& c, const ViewerRequest& request) {
    EXPECT_EQ(request.lookup.root, "/cd") << c.caption;
    EXPECT_EQ(request.lookup.rel, c.lookup) << c.caption;
    EXPECT_EQ(request.loadFolder, c.folder) << c.caption;
    EXPECT_EQ(request.caption, c.viewerCaption) << c.caption;
}

TEST(DescriptionRequest, FilesAndCaptions) {
    const Case cases[] = {
        {"panYear", "/richtext/intro.rtf", "/richtext/",
         "The Vantrel Velocarta       Introduction"},
        {"1964", "/richtext/64desc.rtf", "/richtext/",
         "The Vantrel Velocarta       1964 Description"},
        {"1964 ", "/richtext/64desc.rtf", "/richtext/",
         "The Vantrel Velocarta       1964 Description"},
        {"2000", "/RichText/a0desc.rtf", "/richtext/",
         "The Vantrel Velocarta     2000 Description"},
        {"Vantrel Postage Stamps ", "/richtext/stamps.rtf", "/richtext/",
         "The Vantrel Velocarta       Vantrel Postage Stamps "},
        {"Vantrel Metal Signs ", "/richtext/desperat.rtf", "/richtext/",
         "The Vantrel Velocarta       Vantrel Metal Signs "},
        {"Vantrel Super Stravon ", "/richtext/vsdesc.rtf", "/richtext/",
         "The Vantrel Velocarta       Vantrel Super Stravon "},
        {"The Vantrel Monopoly Game ", "/richtext/monopoly.rtf", "/richtext/",
         "The Vantrel Velocarta       The Vantrel Monopoly Game "},
        // A caption that is no year takes the last row; its file is normally absent.
        {"Lorin Vasse Art Print ", "/richtext/ridesc.rtf", "/richtext/",
         "The Vantrel Velocarta       19ri Description"},
    };
    for (const Case& c : cases) {
        Check(c, DescriptionRequest("/cd", c.caption));
    }
}

TEST(EnginesRequest, FilesAndCaptions) {
    const Case cases[] = {
        {"1999", "/richtext/99engines.rtf", "/richtext/",
         "The Vantrel Velocarta       1999 Engines"},
        {"1964 ", "/richtext/64engines.rtf", "/richtext/",
         "The Vantrel Velocarta       1964 Engines"},
        {"2000", "/RichText/a0engines.rtf", "/richtext/",
         "The Vantrel Velocarta     2000 Statistics"},
        {"Vantrel Kite III ", "/richtext/k3stats.rtf", "/richtext/",
         "The Vantrel Velocarta       Vantrel Kite III  Specifications"},
        {"Vantrel Super Stravon ", "/richtext/vsstats.rtf", "/richtext/",
         "The Vantrel Velocarta       Vantrel Super Stravon  Specifications"},
    };
    for (const Case& c : cases) {
        Check(c, EnginesRequest("/cd", c.caption));
    }
}

TEST(ColorsAndOptionsRequests, FilesAndCaptions) {
    const Case colors[] = {
        {"1970", "/RichText/70colors.rtf", "/RichText/", "The Vantrel Velocarta       1970 Colors"},
        {"2000", "/RichText/a0colors.rtf", "/RichText/", "The Vantrel Velocarta     2000 Colors"},
        {"The Classic Dorran ", "/RichText/drcolors.rtf", "/RichText/",
         "The Vantrel Velocarta       The Classic Dorran  Colors"},
    };
    for (const Case& c : colors) {
        Check(c, ColorsRequest("/cd", c.caption).value());
    }
    const Case options[] = {
        {"1970", "/richtext/70opts.rtf", "/RichText/", "The Vantrel Velocarta       1970 Options"},
        {"2000", "/RichText/a0OPTS.rtf", "/RichText/", "The Vantrel Velocarta     2000 Options"},
        {"The Classic Dorran ", "/RichText/dropts.rtf", "/RichText/",
         "The Vantrel Velocarta       The Classic Dorran  Options"},
    };
    for (const Case& c : options) {
        Check(c, OptionsRequest("/cd", c.caption).value());
    }
    EXPECT_FALSE(ColorsRequest("/cd", "panYear").has_value());
    EXPECT_FALSE(OptionsRequest("/cd", "panYear").has_value());
}

}  // namespace
}  // namespace velocarta
