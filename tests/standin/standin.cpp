// A stand-in for the FFmpeg encoder, so that runner and batch tests are exact
// and fast. Installed under a test folder as data/conv.exe.
//
// Called like FFmpeg ("[-ss <t>] -i <input> [options] [<output>]") it prints a
// description and, when given an output, progress lines and writes the output
// file. What it prints is steered by the input file: one whose first line is
// "#standin" holds one directive per line:
//   duration <hh:mm:ss.ff>   length in the description (default 00:00:02.00)
//   no-duration              print "Duration: N/A," instead
//   rotate <text>            print the rotation key followed by <text>
//   progress <n>             number of progress lines (default 4)
//   sleep <ms>               pause before each progress line
//   fail <message>           print the message and exit 1 without output
//   exit <code>              exit status after writing the output
//   empty-output             create the output file with no bytes
//   write-early              create the output before the progress lines
//   wait-for <file>          before the progress lines, pause until the file
//                            exists (at most a minute): a test orders lanes
//   stream <text>            a stream line of the description, in place of
//                            the default video stream (repeatable)
//   no-input                 print no "Input #0" header: a file it cannot read
// Any other readable input gets the defaults; a missing input fails as FFmpeg does.
//
// Called with options starting with "--" it is a plain test child:
//   --bytes <n>        print n bytes in lines of 64 characters
//   --text <s>         print s, with \n, \r and \t escapes
//   --stderr <s>       the same on standard error
//   --split-line       write one Duration line in two calls 20 ms apart
//   --sleep <ms>       pause
//   --wait-for <file>  pause until the file exists (at most a minute), so a
//                      test can order its own events before this child's end
//   --argv <file>      write every argument after the first, one per line
//   --exit <code>      exit status
//   --stamp            print the monotonic clock in nanoseconds, just before exit
// Every call appends its arguments, tab-separated, to $STANDIN_LOG if set.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

void pause(long ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string unescape(const std::string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char n = s[++i];
            out += n == 'n' ? '\n' : n == 'r' ? '\r' : n == 't' ? '\t' : n;
        } else {
            out += s[i];
        }
    }
    return out;
}

void logCall(int argc, char** argv)
{
    const char* log = std::getenv("STANDIN_LOG");
    if (!log || !*log)
        return;
    std::ofstream out(log, std::ios::app | std::ios::binary);
    for (int i = 1; i < argc; ++i)
        out << (i > 1 ? "\t" : "") << argv[i];
    out << "\n";
}

int plainChild(int argc, char** argv)
{
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string opt = argv[i];
        const std::string value = i + 1 < argc ? argv[i + 1] : "";
        if (opt == "--bytes") {
            long n = std::atol(value.c_str());
            std::string line(63, 'x');
            line += '\n';
            while (n > 0) {
                const long take = n < long(line.size()) ? n : long(line.size());
                std::fwrite(line.data() + line.size() - take, 1, size_t(take), stdout);
                n -= take;
            }
            ++i;
        } else if (opt == "--text") {
            std::fputs(unescape(value).c_str(), stdout);
            ++i;
        } else if (opt == "--stderr") {
            std::fflush(stdout);
            std::fputs(unescape(value).c_str(), stderr);
            std::fflush(stderr);
            ++i;
        } else if (opt == "--split-line") {
            std::fputs("  Duration: ", stdout);
            std::fflush(stdout);
            pause(20);
            std::fputs("00:01:40.00, start: 0.000000, bitrate: 2140 kb/s\n", stdout);
        } else if (opt == "--sleep") {
            std::fflush(stdout);
            pause(std::atol(value.c_str()));
            ++i;
        } else if (opt == "--wait-for") {
            std::fflush(stdout);
            for (int waited = 0; waited < 60000 && !std::ifstream(value).good(); waited += 5)
                pause(5);
            ++i;
        } else if (opt == "--argv") {
            std::ofstream out(value, std::ios::binary);
            for (int k = 1; k < argc; ++k)
                out << argv[k] << "\n";
            ++i;
        } else if (opt == "--stamp") {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("%lld\n", static_cast<long long>(
                                      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        } else if (opt == "--exit") {
            status = std::atoi(value.c_str());
            ++i;
        }
        std::fflush(stdout);
    }
    return status;
}

struct Script {
    std::string duration = "00:00:02.00";
    bool hasDuration = true;
    std::string rotate;
    bool hasRotate = false;
    int progress = 4;
    long sleepMs = 0;
    bool fail = false;
    std::string failMessage;
    int exitCode = 0;
    bool emptyOutput = false;
    bool writeEarly = false;
    std::string waitFor;
    std::vector<std::string> streams;
    bool noInput = false;
};

bool readScript(const std::string& path, Script& script)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    if (!std::getline(in, line) || line.rfind("#standin", 0) != 0)
        return true;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        std::string rest;
        std::getline(words, rest);
        if (!rest.empty() && rest[0] == ' ')
            rest.erase(0, 1);
        if (key == "duration")
            script.duration = rest;
        else if (key == "no-duration")
            script.hasDuration = false;
        else if (key == "rotate")
            script.hasRotate = true, script.rotate = unescape(rest);
        else if (key == "progress")
            script.progress = std::atoi(rest.c_str());
        else if (key == "sleep")
            script.sleepMs = std::atol(rest.c_str());
        else if (key == "fail")
            script.fail = true, script.failMessage = rest;
        else if (key == "exit")
            script.exitCode = std::atoi(rest.c_str());
        else if (key == "empty-output")
            script.emptyOutput = true;
        else if (key == "write-early")
            script.writeEarly = true;
        else if (key == "wait-for")
            script.waitFor = rest;
        else if (key == "stream")
            script.streams.push_back(rest);
        else if (key == "no-input")
            script.noInput = true;
    }
    return true;
}

std::string clock(double seconds)
{
    char text[32];
    const int whole = int(seconds);
    std::snprintf(text, sizeof text, "%02d:%02d:%05.2f", whole / 3600, whole / 60 % 60,
                  seconds - whole / 60 * 60);
    return text;
}

double parseClock(const std::string& text)
{
    int h = 0, m = 0;
    double s = 0;
    std::sscanf(text.c_str(), "%d:%d:%lf", &h, &m, &s);
    return h * 3600 + m * 60 + s;
}

// `at`: where "-i" is; a time range's "-ss" may come before it, and "-t"
// after it shortens what the progress counts to.
int encoder(int argc, char** argv, int at)
{
    const std::string input = argv[at + 1];
    double seek = 0;
    double limit = -1;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "-ss")
            seek = std::atof(argv[i + 1]);
        else if (std::string(argv[i]) == "-t")
            limit = std::atof(argv[i + 1]);
    }
    std::string output;
    if (argc > at + 2 && argv[argc - 1][0] != '-')
        output = argv[argc - 1];

    std::fputs("ffmpeg version 0.0-standin Copyright (c) the Tarnwick developers\n", stdout);
    Script script;
    if (!readScript(input, script)) {
        std::printf("%s: No such file or directory\n", input.c_str());
        return 1;
    }
    if (script.noInput) {
        std::printf("%s: Invalid data found when processing input\n", input.c_str());
        return 1;
    }
    std::printf("Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '%s':\n", input.c_str());
    std::fputs("  Metadata:\n    major_brand     : isom\n", stdout);
    if (script.hasDuration)
        std::printf("  Duration: %s, start: 0.000000, bitrate: 1000 kb/s\n", script.duration.c_str());
    else
        std::fputs("  Duration: N/A, start: 0.000000, bitrate: N/A\n", stdout);
    if (script.streams.empty())
        std::fputs("  Stream #0:0(und): Video: h264 (High), yuv420p, 320x240, 25 fps\n", stdout);
    for (size_t k = 0; k < script.streams.size(); ++k)
        std::printf("  Stream #0:%zu: %s\n", k, script.streams[k].c_str());
    if (script.hasRotate)
        std::printf("    Metadata:\n      rotate          : %s\n", script.rotate.c_str());
    std::fflush(stdout);
    if (script.fail) {
        std::printf("%s\n", script.failMessage.c_str());
        return 1;
    }
    if (output.empty()) {
        std::fputs("At least one output file must be specified\n", stdout);
        return 1;
    }
    if (std::ifstream(output)) {
        std::printf("File '%s' already exists. Exiting.\n", output.c_str());
        return 1;
    }
    std::printf("Output #0, mp4, to '%s':\n", output.c_str());
    if (script.writeEarly)
        std::ofstream(output, std::ios::binary) << "partial";
    std::fflush(stdout);
    for (int waited = 0; !script.waitFor.empty() && waited < 60000 && !std::ifstream(script.waitFor).good();
         waited += 5)
        pause(5);
    double total = parseClock(script.duration) - seek;
    if (limit >= 0 && limit < total)
        total = limit;
    for (int k = 1; k <= script.progress; ++k) {
        pause(script.sleepMs);
        std::printf("frame=%5d fps=0.0 q=0.0 size=%8dkB time=%s bitrate=N/A speed=1x    \r", k * 10,
                    k, clock(total * k / script.progress).c_str());
        std::fflush(stdout);
    }
    std::ofstream out(output, std::ios::binary);
    if (!out) {
        std::printf("%s: Permission denied\n", output.c_str());
        return 1;
    }
    if (!script.emptyOutput)
        out << "standin output of " << input << "\n";
    std::fputs("\nvideo:1kB audio:0kB subtitle:0kB other streams:0kB\n", stdout);
    return script.exitCode;
}

} // namespace

int main(int argc, char** argv)
{
    logCall(argc, argv);
    if (argc >= 3 && std::string(argv[1]) == "-i")
        return encoder(argc, argv, 1);
    if (argc >= 5 && std::string(argv[1]) == "-ss" && std::string(argv[3]) == "-i")
        return encoder(argc, argv, 3);
    return plainChild(argc, argv);
}
