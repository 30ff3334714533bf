// Portuguese source texts of the island and the panel with their English
// texts. Each activity adds the texts it shows; keep the Portuguese unique.
#include <array>

#include "host/translate.h"

namespace notch {
namespace {

constexpr std::array kPairs = {
    // Island
    TranslationPair{L"Nada tocando", L"Not Playing"},
    TranslationPair{L"Timer concluído", L"Timer done"},
    TranslationPair{L"Download concluído", L"Download complete"},
    TranslationPair{L"Caps Lock desligado", L"Caps Lock off"},
    TranslationPair{L"Copiado", L"Copied"},
    TranslationPair{L"Limpar", L"Clear"},
    TranslationPair{L"O que você copiar aparece aqui", L"What you copy shows up here"},
    TranslationPair{L"Arraste arquivos para cá", L"Drag files here"},
    TranslationPair{L"Estante", L"Shelf"},
    TranslationPair{L"Memória", L"Memory"},
    TranslationPair{L"Rede", L"Network"},
};

}  // namespace

std::span<const TranslationPair> TranslationTable() { return kPairs; }

}  // namespace notch
