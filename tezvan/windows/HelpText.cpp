#include "HelpText.h"

#include "identity/ProgramIdentity.h"

namespace tezvan {

QString helpText()
{
    // clang-format off
    return QString::fromUtf8(
        "LİSTEDEKİ NOTALARIN ANLAMI\n"
        "\n"
        "Kaydettiğiniz bir nota dosyasını (*.tnl) bir metin düzenleyicide açarsanız\n"
        "yalnızca sayılar görürsünüz. Programın kendi \"Aç\" komutuyla açtığınızda ise\n"
        "notalar okunur bir liste olarak gösterilir.\n"
        "Program iki liste tutar: \"Otomatik kayıt\" işaretliyken çaldığınız notalarla\n"
        "dolan, sizin görmediğiniz sayısal liste ve sizin gördüğünüz okunur liste.\n"
        "\n"
        "Kaydedilen dosyada 01=451, 11=985, 03=789 gibi satırlar bulunur.\n"
        "\"=\" işaretinden önceki iki rakam notayı, sonraki sayı ise bir önceki\n"
        "notadan bu yana geçen bekleme süresini (milisaniye) gösterir.\n"
        "Nota kodları:\n"
        "00 -> birinci buton (DO-K)\n"
        "01 -> RE\n"
        "02 -> Mİ\n"
        "03 -> FA\n"
        "04 -> SOL-K\n"
        "05 -> LA\n"
        "06 -> Sİ\n"
        "07 -> SOLID\n"
        "08 -> DO-İ\n"
        "09 -> RE-İ\n"
        "10 -> SOL-\n"
        "11 -> Mİ-2\n"
        "12 -> DO-1\n"
        "13 -> BİTİŞ Anlamına gelir.\n"
        "\n"
        "Listeyi ekranda gördüğünüz biçimiyle saklamak isterseniz sağ tıklama\n"
        "menüsünün \"Dosya\" bölümündeki \"Nota Göründüğü Gibi Kaydet\" (Nota Dönüştür)\n"
        "komutunu kullanın; liste bir metin belgesi (*.txt) olarak kaydedilir.\n"
        "\n"
        "ZAMAN İŞLEMLERİ (sağ tıklama menüsü, \"Nota Zaman İşlemleri\")\n"
        "\"Zaman + 1\" ve \"Zaman - 1\" seçili notanın süresi için ayrılmıştır.\n"
        "\"Tüm Nota + 1\" bütün notaların süresini sabit sayı kadar artırır,\n"
        "\"Tüm Nota - 1\" azaltır (süre sıfırın altına inmez).\n"
        "\"Tüm Zamanları Sıfırla\" bütün süreleri 0 yapar; liste çalınırken notalar\n"
        "arasında beklenmeden art arda çalınır.\n"
        "\"Ayarlar\" ile sabit sayıyı 1 ile 1000 arasında belirlersiniz. Örneğin\n"
        "500 girdiğinizde komut \"Tüm Nota + 500\" olarak görünür. Sabit sayı\n"
        "program kapanırken saklanır.\n"
        "\n"
        "KLAVYE TUŞ AYARLAMASI\n"
        "Sağ tıklama menüsündeki \"Klavye Tuş Ayarlaması...\" (Ctrl+K) penceresinde\n"
        "on dört notanın her birine istediğiniz tuşu atayabilirsiniz. \"Kaydet\"\n"
        "atamaları program klasöründeki Tuslar.ini dosyasına yazar ve hemen\n"
        "uygular; \"Varsayılan\" ilk tuşlara (A S D F G H J K L, L'nin sağındaki\n"
        "tuş, Q W E R) döner. Kaydetmeden kapatırsanız yaptığınız değişiklikler\n"
        "uygulanmaz.\n"
        "Not: F1, F2, F3... tuşlarına nota atamayınız; bu tuşlar programın\n"
        "komutları için kullanılmaktadır.\n"
        "\n"
        "YENİ SÜRÜM\n"
        "Programın yeni sürümlerini %1 adresinden\n"
        "indirebilirsiniz (menüde \"Yeni Sürüm Kontrolü Yap...\").\n"
        "İyi çalışmalar.\n")
        .arg(QString::fromUtf8(identity::kDownloadPage));
    // clang-format on
}

} // namespace tezvan
