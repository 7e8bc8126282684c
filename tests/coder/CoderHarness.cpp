#include "coder/CoderHarness.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cctype>
#include <cmath>
#include <cstring>
#include <grp.h>
#include <unistd.h>

namespace coder_test {

QString coderPath()
{
    return QStringLiteral(TS_APP_DIR "/data/coder");
}

// With TUNESNIP_CORPUS_DIR set, every file a run reads (-i) or writes (its last argument) is
// kept there, named by its content: the seed corpus of coder's decoding fuzzer.
static void keepForCorpus(const QStringList& args, const QString& workDir)
{
    const QString corpus = qEnvironmentVariable("TUNESNIP_CORPUS_DIR");
    if (corpus.isEmpty() || args.isEmpty())
        return;
    QStringList files{args.last()};
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "-i")
            files << args[i + 1];
    }
    QDir().mkpath(corpus);
    for (const QString& name : files) {
        const QFileInfo info(QDir(workDir.isEmpty() ? QDir::currentPath() : workDir), name);
        QFile f(info.absoluteFilePath());
        if (!info.isFile() || !f.open(QIODevice::ReadOnly))
            continue;
        // The fuzzer reads no more than the start of a file.
        const QByteArray head = f.read(1 << 20);
        QFile out(corpus + "/" + QCryptographicHash::hash(head, QCryptographicHash::Sha1).toHex());
        if (!out.exists() && out.open(QIODevice::WriteOnly))
            out.write(head);
    }
}

RunResult runProgram(const QString& program, const QStringList& args, int timeoutMs, const QString& workDir,
                     const std::function<void()>& inChild)
{
    RunResult r;
    QProcess p;
    if (inChild)
        p.setChildProcessModifier(inChild);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(program, args);
    if (!p.waitForStarted(10000)) {
        r.crashed = true;
        return r;
    }
    if (!p.waitForFinished(timeoutMs)) {
        r.timedOut = true;
        p.kill();
        p.waitForFinished(5000);
    }
    r.output = p.readAll();
    // A sanitizer report counts as a crash even when the process went on to exit normally.
    r.crashed = p.exitStatus() == QProcess::CrashExit || r.output.contains("Sanitizer")
        || r.output.contains("runtime error:");
    r.exitCode = p.exitCode();
    keepForCorpus(args, workDir);
    return r;
}

RunResult runCoder(const QStringList& args, int timeoutMs, const QString& workDir)
{
    return runProgram(coderPath(), args, timeoutMs, workDir);
}

RunResult runCoderUnprivileged(const QStringList& args, const QString& programDir)
{
    if (::geteuid() != 0)
        return runCoder(args);
    const auto dropToNobody = [] {
        constexpr uid_t nobody = 65534;
        // Without the drop the child must not run as root: the run would then prove nothing.
        if (::setgroups(0, nullptr) != 0 || ::setresgid(nobody, nobody, nobody) != 0
            || ::setresuid(nobody, nobody, nobody) != 0)
            ::_exit(127);
    };
    RunResult r = runProgram(coderPath(), args, 60000, {}, dropToNobody);
    if (!r.crashed || !r.output.isEmpty())
        return r;
    // The build folder is closed to that user: run a copy from a folder open to it.
    const QString copy = programDir + "/coder";
    QFile::remove(copy);
    QFile::copy(coderPath(), copy);
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                              | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    return runProgram(copy, args, 60000, {}, dropToNobody);
}

bool ffmpeg(const QStringList& args)
{
    const RunResult r = runProgram(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y"} + args);
    return !r.crashed && !r.timedOut && r.exitCode == 0;
}

static QString probe(const QString& path, const QString& entries, const QStringList& select)
{
    const RunResult r = runProgram(QStringLiteral("ffprobe"),
                                   QStringList{"-v", "error"} + select
                                       + QStringList{"-show_entries", entries, "-of", "default=nw=1:nk=1", path});
    return QString::fromUtf8(r.output).trimmed();
}

QString probeStream(const QString& path, const QString& field)
{
    return probe(path, "stream=" + field, {"-select_streams", "a:0"});
}

QString probeFormat(const QString& path, const QString& field)
{
    return probe(path, "format=" + field, {});
}

QString probeTag(const QString& path, const QString& key)
{
    const QString own = probe(path, "format_tags=" + key, {});
    return own.isEmpty() ? probe(path, "stream_tags=" + key, {"-select_streams", "a:0"}) : own;
}

LoudnessJudgement judgeLoudness(const QString& path)
{
    const RunResult r = runProgram(QStringLiteral("ffmpeg"), {"-nostats", "-hide_banner", "-i", path, "-af",
                                                              "ebur128=peak=true", "-f", "null", "-"});
    LoudnessJudgement j{std::nan(""), std::nan("")};
    // The summary at the end: "    I:         -16.0 LUFS" and "    Peak:       -1.9 dBFS".
    const QList<QByteArray> lines = r.output.split('\n');
    for (const QByteArray& line : lines) {
        const QByteArray t = line.trimmed();
        if (line.startsWith("    I:"))
            j.integrated = t.mid(2).trimmed().split(' ').value(0).toDouble();
        else if (line.startsWith("    Peak:"))
            j.truePeak = t.mid(5).trimmed().split(' ').value(0).toDouble();
    }
    return j;
}

std::vector<std::int16_t> decodeSamples(const QString& path)
{
    const RunResult r = runProgram(QStringLiteral("ffmpeg"),
                                   {"-v", "error", "-i", path, "-f", "s16le", "-acodec", "pcm_s16le", "-"});
    std::vector<std::int16_t> out(static_cast<size_t>(r.output.size()) / 2);
    std::memcpy(out.data(), r.output.constData(), out.size() * 2);
    return out;
}

WavData readWav(const QString& path)
{
    WavData w;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return w;
    const QByteArray all = f.readAll();
    auto u32 = [&](qsizetype at) {
        std::uint32_t v = 0;
        std::memcpy(&v, all.constData() + at, 4);
        return v;
    };
    auto u16 = [&](qsizetype at) {
        std::uint16_t v = 0;
        std::memcpy(&v, all.constData() + at, 2);
        return v;
    };
    if (all.size() < 12 || all.left(4) != "RIFF" || all.mid(8, 4) != "WAVE")
        return w;
    qsizetype at = 12;
    int bits = 0;
    while (at + 8 <= all.size()) {
        const QByteArray id = all.mid(at, 4);
        const qsizetype size = u32(at + 4);
        if (id == "fmt " && at + 24 <= all.size()) {
            w.channels = u16(at + 10);
            w.sampleRate = static_cast<int>(u32(at + 12));
            bits = u16(at + 22);
        } else if (id == "data" && bits == 16) {
            const qsizetype n = std::min<qsizetype>(size, all.size() - at - 8) / 2;
            w.samples.resize(static_cast<size_t>(n));
            std::memcpy(w.samples.data(), all.constData() + at + 8, static_cast<size_t>(n) * 2);
            return w;
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

QByteArray wavBytes(int sampleRate, int channels, const std::vector<std::int16_t>& samples,
                    std::optional<std::uint32_t> dataSize)
{
    QByteArray out;
    auto put32 = [&](std::uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&](std::uint16_t v) { out.append(reinterpret_cast<const char*>(&v), 2); };
    const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
    const std::uint32_t size = dataSize.value_or(bytes);
    out += "RIFF";
    put32(size == 0xFFFFFFFFu ? size : 36 + size);
    out += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(static_cast<std::uint16_t>(channels));
    put32(static_cast<std::uint32_t>(sampleRate));
    put32(static_cast<std::uint32_t>(sampleRate * channels * 2));
    put16(static_cast<std::uint16_t>(channels * 2));
    put16(16);
    out += "data";
    put32(size);
    out.append(reinterpret_cast<const char*>(samples.data()), static_cast<qsizetype>(bytes));
    return out;
}

std::vector<std::int16_t> noise(std::size_t count, int amplitude, std::uint32_t seed)
{
    std::vector<std::int16_t> out(count);
    std::uint32_t x = seed;
    for (std::int16_t& v : out) {
        x = x * 1664525u + 1013904223u;
        v = static_cast<std::int16_t>(static_cast<int>(x >> 16) % (2 * amplitude + 1) - amplitude);
    }
    return out;
}

std::optional<double> durationField(const QByteArray& chunk)
{
    const qsizetype at = chunk.indexOf("Duration: ");
    if (at < 0)
        return std::nullopt;
    const qsizetype from = at + 10;
    qsizetype end = chunk.indexOf(' ', from);
    if (end < 0)
        end = chunk.size();
    const QList<QByteArray> parts = chunk.mid(from, end - from).split(':');
    if (parts.size() < 3)
        return std::nullopt;
    QByteArray secs = parts[2];
    if (secs.endsWith(','))
        secs.chop(1);
    bool okH = false, okM = false, okS = false;
    const double v = parts[0].toDouble(&okH) * 3600 + parts[1].toDouble(&okM) * 60 + secs.toDouble(&okS);
    if (!okH || !okM || !okS)
        return std::nullopt;
    return v;
}

std::vector<double> timeFields(const QByteArray& output)
{
    std::vector<double> times;
    qsizetype at = 0;
    while ((at = output.indexOf("time=", at)) >= 0) {
        at += 5;
        qsizetype end = at;
        while (end < output.size() && (std::isdigit(static_cast<unsigned char>(output[end])) || output[end] == '.'))
            ++end;
        times.push_back(output.mid(at, end - at).toDouble());
    }
    return times;
}

} // namespace coder_test
