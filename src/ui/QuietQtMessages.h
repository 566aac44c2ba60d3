#pragma once

// Qt and its image plugins report damaged pictures, missing runtime folders
// and the like on stderr. Those are not the program's output: a desktop
// program logs nothing to the user's terminal, and vellora-book's scripts
// read stdout and its one error line. Fatal messages still end the program.
void SilenceQtMessages();
