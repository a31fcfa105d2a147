#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "core/listener.h"

namespace ausweich {

/// What the pictures of an encounter are drawn from, collected as a listener:
/// the answers given so far in this analysis (not the defaults that the
/// record keeps from an earlier one), the bearing that the training drew,
/// what it says B shows, and the duties and the verdict once they are
/// reported. It starts afresh
/// with every analysis (at the title screen) and every training item (at
/// its facts); the pictures grow with it.
class Angaben final : public Listener {
 public:
  void answered(const Frage& f, Code code) override;
  void waiting(const Pause& p) override;
  void vorlage(std::span<const Angabe> angaben, Peilung peilung,
               const Ansicht& ansicht) override;
  /// A duty beside the verdict; beyond the fourth, ignored.
  void duty(const Pflicht& p) override;
  /// The verdict. Left out, the pictures mark nobody, as in the training
  /// before the learner has answered.
  void verdict(const Pflicht& p) override;

  /// The answer to `feld`; 0 where it was not given.
  Code code(Feld feld) const;
  Peilung peilung() const { return peilung_; }
  /// How A sees B, where a training item of lights and shapes told it; all
  /// open otherwise.
  const Ansicht& ansicht() const { return ansicht_; }
  /// The verdict first, if reported, then the other duties.
  std::span<const Pflicht> pflichten() const { return {pflichten_.data(), anzahl_}; }
  bool entschieden() const { return entschieden_; }

 private:
  /// Everything forgotten: a new analysis.
  void beginne();

  /// The answers in the order given, each question's last answer counting:
  /// no more than one analysis asks.
  std::array<Angabe, 24> antworten_{};
  std::size_t gegeben_ = 0;
  Peilung peilung_ = Peilung::offen;
  Ansicht ansicht_;
  std::array<Pflicht, 5> pflichten_{};
  std::size_t anzahl_ = 0;
  bool entschieden_ = false;
};

}  // namespace ausweich
