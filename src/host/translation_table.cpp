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
    TranslationPair{L"O brilho não está disponível nesta tela", L"Brightness is unavailable on this display"},
    TranslationPair{L"O Windows não conseguiu alterar o brilho.", L"Windows could not change the brightness."},
    TranslationPair{L"Monitores externos podem exigir o DDC/CI ativado.",
                    L"External monitors may require DDC/CI enabled."},
    TranslationPair{L"Nenhum dispositivo de saída de áudio encontrado.", L"No audio output devices found."},
    TranslationPair{L"Nenhuma saída de áudio disponível", L"No audio output available"},
    TranslationPair{L"Dispositivo de reprodução padrão", L"Default playback device"},
    TranslationPair{L"Clique para trocar a saída", L"Click to switch output"},
    TranslationPair{L"Ativo", L"Active"},
    TranslationPair{L"Silenciado", L"Muted"},
    TranslationPair{L"Saída trocada para ", L"Switched output to "},
    TranslationPair{L"O Windows não conseguiu trocar a saída de áudio.", L"Windows could not switch the audio output."},
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
};

}  // namespace

std::span<const TranslationPair> TranslationTable() { return kPairs; }

}  // namespace notch
