#pragma once

namespace core {

// The messages an editor asks its page to show. The page owns the texts; the editors name
// only which one.
enum class EditorMessage {
    NoSaveFolder,         // a command that needs the save folder found none
    NoProgramSaveFolder,  // the general page's Save found no save folder
    Saved,                // a save was done
    RepeatedStartTime,    // a new timer starts when one saved earlier in the program does
    ProgramFull,          // the program already holds 512 timers
    TooManyMusicFiles,    // a timer with more than 65535 music files
    MusicNameTooLong,     // a music file name longer than 260 characters
    TimerChanged,         // another program changed the timer since it was shown: nothing was
                          // written, and the timer is shown as the file now holds it
};

}  // namespace core
