// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CupsQueue.h"

#include <QSizeF>
#include <QStringList>

#include <cups/cups.h>
#include <cups/pwg.h>

#include <array>
#include <utility>

namespace {

constexpr double HundredthsPerMillimetre = 100.0;

const QString NotAccepting = QStringLiteral("Der Drucker nimmt zurzeit keine Aufträge an.");

QPageSize PaperNamed(const char *media)
{
    if (!media)
        return {};
    const pwg_media_t *pwg = pwgMediaForPWG(media);
    if (!pwg)
        pwg = pwgMediaForPPD(media);
    if (!pwg)
        pwg = pwgMediaForLegacy(media);
    if (!pwg)
        return {};
    return QPageSize(QSizeF(pwg->width, pwg->length) / HundredthsPerMillimetre,
                     QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
}

// What the state reasons a stopped printer gives mean for the teacher; the scheduler may
// add "-error", "-warning" or "-report" to each keyword.
QString StoppedBecause(const QString &reasons)
{
    static const std::array<std::pair<const char *, const char *>, 7> Known{{
        {"media-empty", "Es ist kein Papier eingelegt."},
        {"media-needed", "Es ist kein Papier eingelegt."},
        {"media-jam", "Im Drucker klemmt Papier."},
        {"toner-empty", "Der Toner ist leer."},
        {"marker-supply-empty", "Die Tinte oder der Toner ist leer."},
        {"door-open", "Eine Klappe des Druckers ist offen."},
        {"offline", "Der Drucker ist nicht eingeschaltet oder nicht verbunden."},
    }};
    QString because = QStringLiteral("Der Drucker ist angehalten.");
    for (QString reason : reasons.split(u',', Qt::SkipEmptyParts)) {
        for (const char *suffix : {"-error", "-warning", "-report"})
            if (reason.endsWith(QLatin1String(suffix)))
                reason.chop(int(qstrlen(suffix)));
        for (const auto &[keyword, text] : Known)
            if (reason == QLatin1String(keyword) && !because.contains(QString::fromUtf8(text)))
                because += u' ' + QString::fromUtf8(text);
    }
    return because;
}

QString SubmissionRefused(ipp_status_t status, const char *detail)
{
    switch (status) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return NotAccepting;
    case IPP_STATUS_ERROR_NOT_FOUND:
        return QStringLiteral("Das Drucksystem kennt diesen Drucker nicht mehr.");
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED:
        return QStringLiteral("Das Drucksystem erlaubt diesen Druckauftrag nicht.");
    case IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED:
        return QStringLiteral("Der Drucker kann das Blatt in dieser Form nicht annehmen.");
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
    case IPP_STATUS_ERROR_BUSY:
        return QStringLiteral("Das Drucksystem ist zurzeit nicht erreichbar.");
    default:
        return QStringLiteral("Das Drucksystem hat den Auftrag nicht angenommen (%1).")
            .arg(QString::fromUtf8(detail));
    }
}

ipp_jstate_t JobState(int job)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/jobs/%d", job);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    ipp_attribute_t *state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM);
    const auto result = state ? ipp_jstate_t(ippGetInteger(state, 0)) : IPP_JSTATE_PENDING;
    ippDelete(response);
    return result;
}

} // namespace

// The module's one entry, found by name at the first print.
extern "C" Q_DECL_EXPORT PrintQueue *zepDefaultPrintQueue() { return CupsQueue::Default().release(); }

std::unique_ptr<CupsQueue> CupsQueue::Default()
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest)
        return nullptr;
    const auto option = [dest](const char *name) {
        return QString::fromUtf8(cupsGetOption(name, dest->num_options, dest->options));
    };
    auto queue = std::make_unique<CupsQueue>();
    queue->m_name = QString::fromUtf8(dest->name);
    queue->m_displayName = option("printer-info").isEmpty() ? queue->m_name : option("printer-info");

    // The default media with the printer's margins where the scheduler knows them, else
    // the bare default paper.
    cups_size_t size{};
    cups_dinfo_t *info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
    if (info && cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest, info, 0, &size)) {
        queue->m_paper = PaperNamed(size.media);
        queue->m_margins = QMarginsF(size.left, size.top, size.right, size.bottom)
            / HundredthsPerMillimetre;
    } else {
        queue->m_paper = PaperNamed(cupsGetOption("media", dest->num_options, dest->options));
    }
    cupsFreeDestInfo(info);

    if (option("printer-is-accepting-jobs") == u"false")
        queue->m_refusal = NotAccepting;
    else if (option("printer-state").toInt() == IPP_PSTATE_STOPPED)
        queue->m_refusal = StoppedBecause(option("printer-state-reasons"));
    cupsFreeDests(1, dest);
    return queue;
}

QString CupsQueue::submit(const QString &pdfFile, const QString &title) const
{
    cups_option_t *options = nullptr;
    const int count = cupsAddOption("document-format", CUPS_FORMAT_PDF, 0, &options);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, m_name.toUtf8().constData(),
                                   pdfFile.toLocal8Bit().constData(), title.toUtf8().constData(),
                                   count, options);
    cupsFreeOptions(count, options);
    if (job == 0)
        return SubmissionRefused(cupsLastError(), cupsLastErrorString());
    // The scheduler may throw a job away at once, when no filter or device can take it.
    const ipp_jstate_t state = JobState(job);
    if (state == IPP_JSTATE_ABORTED || state == IPP_JSTATE_CANCELED)
        return QStringLiteral("Das Drucksystem hat den Auftrag abgebrochen.");
    return {};
}
