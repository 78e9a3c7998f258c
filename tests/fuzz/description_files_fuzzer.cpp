// The EDS, GSDML, EDE and MIB writers, each reading the input as its table file and as the
// general parameters.
#include "FuzzSupport.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/xml/XmlDocument.h"
#include "protocols/descriptionfiles/UBACnet_EDE_File.h"
#include "protocols/descriptionfiles/UEds.h"
#include "protocols/descriptionfiles/UProfinetXML.h"
#include "protocols/descriptionfiles/USNMP_MIB.h"

#include <functional>

namespace {

const TFileStamp Stamp{2026, 1, 8, 12, 0, 0};

// Damaged input is refused with a message and leaves no file; a written file is never refused
// for its own sake.
void Run(const std::string& output, const std::function<void()>& write) {
    RemoveFuzzFile(ExtractFileName(output));
    try {
        write();
    } catch (const EFileError& error) {
        FUZZ_CHECK_MSG(false, error.Message);
    } catch (const Exception&) {
        FUZZ_CHECK(!FileExists(output));
        return;
    }
    FUZZ_CHECK(FileExists(output));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = WriteFuzzFile("table.xml", FuzzText(data, size));
    const std::string folder = FuzzFolder() + "/";

    Run(folder + "out.eds", [&] { EDS_Write(folder + "out.eds", input, input, Stamp); });
    if (FileExists(folder + "out.eds"))
        for (char c : ReadFileBytes(folder + "out.eds"))
            FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);

    Run(folder + "out.xml", [&] { ProfinetXML_Write(folder + "out.xml", input); });
    if (FileExists(folder + "out.xml")) {
        TXMLDocument xml;
        const std::string bytes = ReadFileBytes(folder + "out.xml");
        FUZZ_CHECK(HasUtf8Mark(bytes));
        try {
            xml.LoadFromString(bytes.substr(3));
        } catch (const Exception& error) {
            FUZZ_CHECK_MSG(false, error.Message);
        }
    }

    Run(folder + "out.csv",
        [&] { EDE_Build_File(folder + "out.csv", input, input, "project", Stamp); });

    Run(folder + "out.mib", [&] { MIB_Write(folder + "out.mib", MIB_Read_Traps(input)); });
    return 0;
}
