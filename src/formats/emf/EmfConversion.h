#pragma once

#include <QByteArray>

#include <optional>

// File name of the conversion helper in the application directory.
inline constexpr char kEmfHelperName[] = "vellora-emf2svg";

// How long one conversion may take before the helper is killed, and how much
// SVG it may hand back.
inline constexpr int kEmfConversionTimeoutMs = 10000;
inline constexpr qint64 kMaxEmfSvgBytes = 256ll * 1024 * 1024;

// Converts an enhanced metafile to SVG text in the helper process. Nothing
// when the helper is missing, fails, crashes, overruns its time or floods its
// output. Conversions are cached by content, so showing the same file again
// never starts the helper again.
std::optional<QByteArray> ConvertEmfToSvg(const QByteArray &emf);

// Empties the conversion cache.
void ClearEmfSvgCache();
