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
    // Quick Controls panel
    TranslationPair{L"Voltar", L"Back"},
    TranslationPair{L"Som", L"Sound"},
    TranslationPair{L"Tela", L"Display"},
    TranslationPair{L"Pesquisa", L"Search"},
    TranslationPair{L"Configurações da pesquisa", L"Search settings"},
    TranslationPair{L"Personalizar botões", L"Customize buttons"},
    TranslationPair{L"Controles rápidos", L"Quick Controls"},
    TranslationPair{L"Personalizar", L"Customize"},
    TranslationPair{L"Atualizar", L"Refresh"},
    TranslationPair{L"Ponto de acesso", L"Hotspot"},
    TranslationPair{L"Redes próximas", L"Nearby networks"},
    TranslationPair{L"Dispositivos", L"Devices"},
    TranslationPair{L"Conectar", L"Connect"},
    TranslationPair{L"Parear dispositivo", L"Pair device"},
    TranslationPair{L"Configurações do Windows", L"Windows settings"},
    TranslationPair{L"Configurações", L"Settings"},
    TranslationPair{L"Mudo", L"Mute"},
    TranslationPair{L"Dispositivos de saída", L"Output devices"},
    TranslationPair{L"Selecione um dispositivo de saída para trocar.", L"Select an output device to switch."},
    TranslationPair{L"Tela integrada ou principal", L"Built-in or primary display"},
    TranslationPair{L"Arraste o controle para ajustar o brilho da tela.",
                    L"Drag the slider to adjust screen brightness."},
    TranslationPair{L"Verificando o brilho da tela…", L"Checking display brightness…"},
    TranslationPair{L"Estilo: ", L"Style: "},
    TranslationPair{L" · Tema: ", L" · Theme: "},
    TranslationPair{L"Formato da ilha", L"Island shape"},
    TranslationPair{L"Pílula", L"Pill"},
    TranslationPair{L"Só atividades", L"Activity only"},
    TranslationPair{L"Preferências", L"Preferences"},
    TranslationPair{L"Tema", L"Theme"},
    TranslationPair{L"Ocultar automaticamente", L"Auto-hide"},
    TranslationPair{L"Pesquisa e navegador", L"Search & browser"},
    TranslationPair{L"Ctrl+Alt+N oculta ou mostra o notch.", L"Ctrl+Alt+N hides or shows the notch."},
    TranslationPair{L"Padrão", L"Default"},
    TranslationPair{L"Abrir", L"Open"},
    TranslationPair{L"Abrir no terminal", L"Open in terminal"},
    TranslationPair{L"Procurando redes Wi-Fi…", L"Looking for Wi-Fi networks…"},
    TranslationPair{L"Procurando dispositivos Bluetooth…", L"Looking for Bluetooth devices…"},
    TranslationPair{L"O Windows não conseguiu concluir o pedido. Tente de novo ou abra as Configurações.",
                    L"Windows could not complete the request. Try again or open Settings."},
    TranslationPair{L"Nenhuma mídia tocando", L"No media playing"},
    TranslationPair{L"Pausar", L"Pause"},
    TranslationPair{L"Tocar", L"Play"},
    TranslationPair{L"Anterior", L"Previous"},
    TranslationPair{L"Próxima", L"Next"},
    TranslationPair{L"Letras desligadas", L"Lyrics off"},
    TranslationPair{L"Letras ligadas", L"Lyrics on"},
    // Button layout
    TranslationPair{L"Início", L"Home"},
    TranslationPair{L"Histórico da área de transferência", L"Clipboard history"},
    TranslationPair{L"Transferência", L"Clipboard"},
    TranslationPair{L"Estatísticas do sistema", L"System statistics"},
    TranslationPair{L"Sistema", L"System"},
    TranslationPair{L"Pesquisar apps e arquivos", L"Search apps and files"},
    TranslationPair{L"Configurações do notch", L"Notch settings"},
    TranslationPair{L"Faixa anterior", L"Previous track"},
    TranslationPair{L"Tocar ou pausar", L"Play or pause"},
    TranslationPair{L"Próxima faixa", L"Next track"},
    TranslationPair{L"Letras", L"Lyrics"},
    TranslationPair{L"Não foi possível salvar o layout dos botões.", L"Couldn\u2019t save the button layout."},
    TranslationPair{L"Layout padrão restaurado.", L"Default layout restored."},
    TranslationPair{L"Layout salvo.", L"Layout saved."},
    TranslationPair{L" espaços usados", L" slots used"},
    TranslationPair{L"Ctrl + ←/→ para reordenar  ·  Ctrl + ↑/↓ para mover entre seções",
                    L"Ctrl + ←/→ to reorder  ·  Ctrl + ↑/↓ to move between sections"},
    TranslationPair{L"Arraste até uma seção para posicionar o botão.", L"Drag to a section to place the button."},
    TranslationPair{L"O cabeçalho do notch está cheio.", L"The notch header is full."},
    TranslationPair{L"O cabeçalho do notch está cheio. Retire um botão primeiro.",
                    L"The notch header is full. Move a button out first."},
    TranslationPair{L"Solte para posicionar no cabeçalho do notch.", L"Release to place in the notch header."},
    TranslationPair{L"Solte para posicionar nos Controles rápidos.", L"Release to place in Quick Controls."},
};

}  // namespace

std::span<const TranslationPair> TranslationTable() { return kPairs; }

}  // namespace notch
