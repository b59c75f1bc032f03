#include "PairingInputs.h"

#include <utility>

namespace robust {

PairingInputs PairingInputs::withSettings(std::string text) const
{
    PairingInputs in = *this;
    in.settings = std::move(text);
    return in;
}

PairingInputs PairingInputs::withModel(std::string text) const
{
    PairingInputs in = *this;
    in.model = std::move(text);
    return in;
}

PairingInputs PairingInputs::withObservations(std::string text) const
{
    PairingInputs in = *this;
    in.observations = std::move(text);
    return in;
}

PairingInputs PairingInputs::withoutObservations() const
{
    PairingInputs in = *this;
    in.observations.reset();
    return in;
}

PairingInputs PairingInputs::withoutTrailer() const
{
    PairingInputs in = *this;
    in.trailer.reset();
    return in;
}

SetUp files(PairingInputs inputs)
{
    return [in = std::move(inputs)](SweepFolder& f) {
        const auto writeIfPresent = [&f](const std::string& name, const std::optional<std::string>& text) {
            if (text)
                f.write(name, *text);
        };
        writeIfPresent(in.settingsName, in.settings);
        writeIfPresent(in.modelName, in.model);
        writeIfPresent(in.observationsName, in.observations);
        writeIfPresent(in.trailerName, in.trailer);
    };
}

} // namespace robust
