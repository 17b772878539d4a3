// The settings line alone, as any bytes: its fields, the database type code, the type's survival
// through a save, and the round trip of the options through a rebuilt line.
#include "FuzzCheck.h"
#include "SettingsRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line = InputText(data, size);
    for (int n = 1; n <= 25; ++n) GetField(n, line);
    const std::string code = DatabaseTypeCode(line);
    Require(code.empty() || code.size() == 2, "the database type code is two characters");
    const Options options = ParseSettings(line);
    // Fields end where the type code begins, so only a line without one reads every field the
    // same both ways (but for a decimals field that begins with "Copyright", which is dropped).
    if (code.empty() && !GetField(22, line).starts_with("Copyright"))
        Require(GetField(22, line) == options.calcDecimals, "a field reads the same either way");
    Require((DatabaseTypeCode(BuildSettingsLine(options)) == "--") == (code == "--"),
            "the database type survives a save");
    RequireSettingsRoundTrip(options);
    return 0;
}
