#include "sample_disc_fixture.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "content/text.h"
#include "rtf_text.h"

namespace velocarta::testing {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

GeneratorRun Generate(const std::vector<std::string>& args, const fs::path& logs) {
    std::string command = Quote(VELOCARTA_SAMPLE_DISC_GENERATOR);
    for (const std::string& arg : args) {
        command += " " + Quote(arg);
    }
    const fs::path out = logs / "generator.out";
    const fs::path err = logs / "generator.err";
    command += " >" + Quote(out.string()) + " 2>" + Quote(err.string());
    const int status = std::system(command.c_str());
    GeneratorRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = ReadFile(out);
    run.errors = ReadFile(err);
    return run;
}

const std::vector<TopicPhotos>& ExpectedTopicPhotos() {
    static const std::vector<TopicPhotos> photos{
        {"PT", {"PT002", "PT004", "PT006", "PT008", "PT010", "PT012"}},
        {"K1", {"K1002", "K1004", "K1006", "K1008", "K1010"}},
        {"ZZ", {"ZZ002", "ZZ004", "ZZ006", "ZZ008", "ZZ010", "ZZ012", "ZZ014", "ZZ016"}},
        {"VM", {"VMS002", "VMS004", "VMS006", "VMS008"}},
        {"TD", {"TDM002", "TDM004", "TDM006", "TDM008", "TDM010", "TDM012"}},
        {"TE", {"TEK002", "TEK004", "TEK006", "TEK008", "TEK010"}},
        {"TF", {"TFM002", "TFM004", "TFM006", "TFM008", "TFM010", "TFM012"}},
        {"VC", {"VCK002", "VCK004", "VCK006", "VCK008"}},
        {"US", {"USA002", "USA004", "USA006", "USA008", "USA010"}},
        {"K3", {"K3A", "K3B", "K3C", "K3D"}},
        {"VS", {"VSA", "VSB", "VSC", "VSD"}},
        {"DR", {"DRA", "DRB", "DRC", "DRD"}},
    };
    return photos;
}

const std::vector<std::string>& FixedDocuments() {
    static const std::vector<std::string> documents{
        "/richtext/desc.rtf",     "/RichText/intro.rtf",     "/RichText/books.rtf",
        "/richtext/catalogs.rtf", "/richtext/contrib.rtf",   "/richtext/credits.rtf",
        "/richtext/notice.rtf",   "/richtext/whatsnew.rtf",  "/richtext/glossary.rtf",
        "/richtext/timeline.rtf", "/richtext/engines.rtf",   "/richtext/idvantrel.rtf",
        "/richtext/idrvale.rtf",  "/richtext/sshelp.rtf",    "/richtext/PRIntro.rtf",
        "/richtext/PRMarket.rtf", "/richtext/PROptions.rtf", "/richtext/magvi.rtf",
        "/richtext/magvm.rtf",    "/richtext/magmvfh.rtf",   "/richtext/mag4.rtf",
        "/richtext/mag5.rtf"};
    return documents;
}

const std::vector<std::string>& Movies() {
    static const std::vector<std::string> movies{
        "ComingApril17.avi", "TheUnexpected.avi", "65-2+2.avi", "1966.avi",
        "1967.avi",          "1967Vantreler.avi", "1968.avi",   "Kite1.avi"};
    return movies;
}

const std::vector<std::string>& Sounds() {
    static const std::vector<std::string> sounds{
        "backfrng.wav", "car_door.wav",  "carhorns.wav",  "horns.wav",    "cop-car.wav",
        "taxi.wav",     "sportcar.wav",  "18wheelr.wav",  "peel-out.wav", "Track2.wav",
        "nascar.wav",   "racecar.wav",   "indy-car.wav",  "mcycle.wav",   "batmoble.wav",
        "62rvale.wav",  "63rvale.wav",   "rvalstart.wav", "passby.wav",   "torvale.wav",
        "zr1start.wav", "motorcyc2.wav", "hot_rod.wav",   "red_lght.wav", "porche.wav",
        "stealth.wav",  "stuck.wav"};
    return sounds;
}

std::vector<std::string> YearCaptions() {
    std::vector<std::string> captions;
    for (int button = 1; button <= 37; ++button) {
        captions.push_back(YearOfButton(button));
    }
    return captions;
}

int YearOf(const std::string& caption) {
    return std::stoi(caption);
}

std::string TextTitle(const fs::path& text) {
    std::string line = ReadFile(text).substr(0, ReadFile(text).find('\n'));
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) {
        line.erase(0, 3);
    }
    line = line.substr(line.find(':') + 1);
    return testing::CollapseSpace(line);
}

TempFolder* SampleDisc::folder_ = nullptr;
GeneratorRun* SampleDisc::first_ = nullptr;
DiscIndex* SampleDisc::disc_ = nullptr;

}  // namespace velocarta::testing
