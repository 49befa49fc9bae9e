#include "ui/Options.h"

#include "ui/OptionsPage.h"

#include <exception>

namespace ui {
namespace {

// Runs one read; an error it raises is kept, and the rest still loads.
template <class Read> void ReadValue(Read&& read, std::vector<std::string>& errors) {
    try {
        read();
    } catch (const std::exception& e) {
        errors.push_back(e.what());
    }
}

} // namespace

std::string TOptions::DecimalDotText() const {
    return settings::TRegistry::TextOf(DecimalDot);
}

void TOptions::SetDecimalDotText(const std::string& text) {
    if (text != DecimalDotText()) {
        DecimalDot = platform::RegValue(static_cast<std::uint32_t>(platform::RegType::Sz),
                                        {text.begin(), text.end()});
    }
}

TOptionsLoad LoadOptions(settings::TSettingsStore& store, bool isWinNT) {
    TOptionsLoad load;
    // Loading asks for read access only, also after a save opened the key for writing.
    store.OpenForReading();
    load.KeyError = store.ReadError();
    settings::TOptionsRegistry& reg = store.Registry();
    for (const TOptionSwitch& option : kOptionSwitches) {
        ReadValue([&] { load.Options.*option.Field = reg.ReadOption(option.Option) != 0; },
                  load.ValueErrors);
    }
    ReadValue(
        [&] {
            load.Options.DecimalDot =
                reg.ReadText(settings::OptionValueNames.at(settings::optDecimalDot))
                    .value_or(platform::RegValue());
        },
        load.ValueErrors);
    if (isWinNT) {
        load.Options.UseSpeaker = false;
    }
    return load;
}

void SaveOptions(settings::TSettingsStore& store, const TOptions& options) {
    settings::TOptionsRegistry& reg = store.ForWriting();
    for (const TOptionSwitch& option : kOptionSwitches) {
        reg.WriteOption(option.Option, options.*option.Field ? 1 : 0);
    }
    platform::RegValue decimalDot = options.DecimalDot;
    decimalDot.type = static_cast<std::uint32_t>(platform::RegType::Sz);
    reg.WriteTexts({{settings::OptionValueNames.at(settings::optDecimalDot), decimalDot}});
}

} // namespace ui
