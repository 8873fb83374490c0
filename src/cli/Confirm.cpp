#include "cli/Confirm.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>

namespace pelmora::cli {

bool Confirmed(std::istream& in, std::ostream& err, const std::string& question, bool assumeYes, bool terminal) {
    if (assumeYes || !terminal) return true;
    err << question << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(in, answer)) {
        err << '\n';
        return false;
    }
    std::erase_if(answer, [](unsigned char c) { return std::isspace(c); });
    std::transform(answer.begin(), answer.end(), answer.begin(), [](unsigned char c) { return std::tolower(c); });
    return answer == "y" || answer == "yes";
}

}  // namespace pelmora::cli
