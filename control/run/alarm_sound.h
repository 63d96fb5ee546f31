#pragma once

#include <string>

namespace cuedeck {

class System;

/// The alarm played when the tip timer runs out (and by the options
/// dialog's Preview). Returns at once; failures are not reported.
class AlarmSound
{
public:
    enum Method : int {
        Amovie = 0,  ///< a separate player program plays the file
        Playsnd = 1, ///< the system's asynchronous sound call
    };

    explicit AlarmSound(System& system) : m_system(system) {}

    /// Any method other than Amovie and Playsnd plays nothing.
    void play(int method, const std::string& path);

private:
    System& m_system;
};

} // namespace cuedeck
