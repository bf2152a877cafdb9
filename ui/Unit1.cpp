// The main window's design, its wiring and FormCreate.
#include "ui/Unit1.h"

#include "platform/Cp1252.h"

namespace {

// Design texts are written in UTF-8 here; the controls take code page 1252.
std::string T(const char* utf8) { return Cp1252FromUtf8(utf8); }

}  // namespace

TForm1* Form1 = nullptr;

TForm1::TForm1() : TForm("Form1") {
    DesignWindow();

    Label5 = Make<TLabel>(this, "Label5");
    Label5->SetBounds(552, 304, 40, 13);
    Label5->SetCaption(T("Sprache"));

    ListBox1 = Make<TListBox>(this, "ListBox1");
    ListBox1->SetBounds(8, 32, 129, 313);
    ListBox1->SetTabOrder(1);
    ListBox1->OnClick = TNotifyEvent(this, &TForm1::ListBox1Click);

    ComboBox1 = Make<TComboBox>(this, "ComboBox1", TComboBoxStyle::csDropDownList);
    ComboBox1->SetBounds(8, 8, 129, 21);
    ComboBox1->SetTabOrder(0);
    ComboBox1->OnChange = TNotifyEvent(this, &TForm1::ComboBox1Change);

    DesignRecordFrame();

    Button1 = Make<TButton>(this, "Button1");
    Button1->SetBounds(144, 320, 105, 25);
    Button1->SetTabOrder(3);
    Button1->SetCaption(T("Daten ändern"));
    Button1->OnClick = TNotifyEvent(this, &TForm1::Button1Click);

    ComboBox6 = Make<TComboBox>(this, "ComboBox6", TComboBoxStyle::csDropDown);
    ComboBox6->SetBounds(552, 320, 105, 21);
    ComboBox6->SetTabOrder(4);
    ComboBox6->OnChange = TNotifyEvent(this, &TForm1::ComboBox6Change);

    FileListBox1 = Make<TFileListBox>(this, "FileListBox1");
    FileListBox1->SetBounds(8, -8, 17, 17);
    FileListBox1->SetTabOrder(5);
    FileListBox1->SetMask("*.txt");
    FileListBox1->SetVisible(false);

    Button2 = Make<TButton>(this, "Button2");
    Button2->SetBounds(408, 320, 137, 25);
    Button2->SetTabOrder(6);
    Button2->SetCaption(T("Button2"));
    Button2->OnClick = TNotifyEvent(this, &TForm1::Button2Click);

    Button3 = Make<TButton>(this, "Button3");
    Button3->SetBounds(264, 320, 137, 25);
    Button3->SetTabOrder(7);
    Button3->SetCaption(T("Button2"));
    Button3->OnClick = TNotifyEvent(this, &TForm1::Button3Click);

    OpenDialog1.Filter = "gta-vc.exe|gta-vc.exe";
}

void TForm1::DesignWindow() {
    SetCaption(T("GTA VC - Wendrix v1.0"));
    SetBounds(90, 120, 676, 386);
    SetBorderStyle(TBorderStyle::bsSizeable);
    SetFont(TFont{"MS Sans Serif", -11});
    SetIcon(":/icon.png");
    OnCreate = TNotifyEvent(this, &TForm1::FormCreate);
    OnShow = TNotifyEvent(this, &TForm1::FormShow);
    OnCloseQuery = TCloseQueryEvent(this, &TForm1::FormCloseQuery);
    OnClose = TCloseEvent(this, &TForm1::FormClose);
}

// GroupBox1 holds the controls of the shown record.
void TForm1::DesignRecordFrame() {
    GroupBox1 = Make<TGroupBox>(this, "GroupBox1");
    GroupBox1->SetBounds(144, 8, 513, 289);
    GroupBox1->SetTabOrder(2);

    Label1 = Make<TLabel>(GroupBox1, "Label1");
    Label1->SetBounds(352, 8, 35, 13);
    Label1->SetCaption(T("Fahrtyp"));

    Label2 = Make<TLabel>(GroupBox1, "Label2");
    Label2->SetBounds(424, 8, 41, 13);
    Label2->SetCaption(T("Motortyp"));

    LabeledEdit1 = Make<TLabeledEdit>(GroupBox1, "LabeledEdit1");
    LabeledEdit1->SetBounds(8, 24, 57, 21);
    LabeledEdit1->SetTabOrder(0);
    LabeledEdit1->EditLabel().SetCaption(T("Masse"));
    LabeledEdit1->SetHint(T("1 bis 50000"));
    LabeledEdit1->SetShowHint(true);
    LabeledEdit1->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit1->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit1Exit);

    DesignSizeFrame();
    DesignCentreOfMassFrame();

    LabeledEdit8 = Make<TLabeledEdit>(GroupBox1, "LabeledEdit8");
    LabeledEdit8->SetBounds(136, 216, 89, 21);
    LabeledEdit8->SetTabOrder(3);
    LabeledEdit8->EditLabel().SetCaption(T("Tiefgang (Wasser)"));
    LabeledEdit8->SetShowHint(true);
    LabeledEdit8->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit8->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit8Exit);

    DesignGripFrame();

    LabeledEdit12 = Make<TLabeledEdit>(GroupBox1, "LabeledEdit12");
    LabeledEdit12->SetBounds(304, 24, 41, 21);
    LabeledEdit12->SetTabOrder(5);
    LabeledEdit12->EditLabel().SetCaption(T("Gänge"));
    LabeledEdit12->SetHint(T("1 bis 5"));
    LabeledEdit12->SetShowHint(true);
    LabeledEdit12->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit12->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit12Exit);

    LabeledEdit13 = Make<TLabeledEdit>(GroupBox1, "LabeledEdit13");
    LabeledEdit13->SetBounds(80, 24, 89, 21);
    LabeledEdit13->SetTabOrder(6);
    LabeledEdit13->EditLabel().SetCaption(T("Höchstgeschw."));
    LabeledEdit13->SetHint(T("1 bis 999"));
    LabeledEdit13->SetShowHint(true);
    LabeledEdit13->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit13->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit13Exit);

    LabeledEdit14 = Make<TLabeledEdit>(GroupBox1, "LabeledEdit14");
    LabeledEdit14->SetBounds(192, 24, 97, 21);
    LabeledEdit14->SetTabOrder(7);
    LabeledEdit14->EditLabel().SetCaption(T("Beschleunigung"));
    LabeledEdit14->SetShowHint(true);
    LabeledEdit14->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit14->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit14Exit);

    ComboBox2 = Make<TComboBox>(GroupBox1, "ComboBox2", TComboBoxStyle::csDropDownList);
    ComboBox2->SetBounds(352, 24, 65, 21);
    ComboBox2->SetTabOrder(8);
    ComboBox2->Items.Add(T("F"));
    ComboBox2->Items.Add(T("R"));
    ComboBox2->Items.Add(T("4"));
    ComboBox2->SetShowHint(true);
    ComboBox2->OnChange = TNotifyEvent(this, &TForm1::ComboBox5Change);

    ComboBox3 = Make<TComboBox>(GroupBox1, "ComboBox3", TComboBoxStyle::csDropDownList);
    ComboBox3->SetBounds(424, 24, 65, 21);
    ComboBox3->SetTabOrder(9);
    ComboBox3->Items.Add(T("P"));
    ComboBox3->Items.Add(T("D"));
    ComboBox3->Items.Add(T("E"));
    ComboBox3->SetShowHint(true);
    ComboBox3->OnChange = TNotifyEvent(this, &TForm1::ComboBox5Change);

    DesignBrakesFrame();

    LabeledEdit17 = Make<TLabeledEdit>(GroupBox1, "LabeledEdit17");
    LabeledEdit17->SetBounds(264, 216, 73, 21);
    LabeledEdit17->SetTabOrder(11);
    LabeledEdit17->EditLabel().SetCaption(T("Lenkung"));
    LabeledEdit17->SetShowHint(true);
    LabeledEdit17->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit17->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit17Exit);

    DesignSuspensionFrame();

    LabeledEdit20 = Make<TLabeledEdit>(GroupBox1, "LabeledEdit20");
    LabeledEdit20->SetBounds(368, 216, 105, 21);
    LabeledEdit20->SetTabOrder(13);
    LabeledEdit20->EditLabel().SetCaption(T("Türaufmach-Abstand"));
    LabeledEdit20->SetShowHint(true);
    LabeledEdit20->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit20->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit20Exit);

    LabeledEdit21 = Make<TLabeledEdit>(GroupBox1, "LabeledEdit21");
    LabeledEdit21->SetBounds(136, 256, 49, 21);
    LabeledEdit21->SetTabOrder(14);
    LabeledEdit21->EditLabel().SetCaption(T("Schaden"));
    LabeledEdit21->SetHint(T("gibt an, wieviel Schaden das Fahrzeug nimmt ()"));
    LabeledEdit21->SetShowHint(true);
    LabeledEdit21->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit21->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit21Exit);

    LabeledEdit22 = Make<TLabeledEdit>(GroupBox1, "LabeledEdit22");
    LabeledEdit22->SetBounds(200, 256, 49, 21);
    LabeledEdit22->SetTabOrder(15);
    LabeledEdit22->EditLabel().SetCaption(T("Preis"));
    LabeledEdit22->SetShowHint(true);
    LabeledEdit22->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit22->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit22Exit);

    DesignLightsFrame();

    Button4 = Make<TButton>(GroupBox1, "Button4");
    Button4->SetBounds(264, 256, 89, 25);
    Button4->SetTabOrder(17);
    Button4->SetCaption(T("Button4"));
    Button4->OnClick = TNotifyEvent(this, &TForm1::Button4Click);

    // Nothing has been copied yet, so there is nothing to paste.
    Button5 = Make<TButton>(GroupBox1, "Button5");
    Button5->SetBounds(368, 256, 89, 25);
    Button5->SetTabOrder(18);
    Button5->SetCaption(T("Button4"));
    Button5->SetEnabled(false);
    Button5->OnClick = TNotifyEvent(this, &TForm1::Button5Click);
}

void TForm1::DesignSizeFrame() {
    GroupBox2 = Make<TGroupBox>(GroupBox1, "GroupBox2");
    GroupBox2->SetBounds(8, 48, 65, 145);
    GroupBox2->SetTabOrder(1);
    GroupBox2->SetCaption(T("Größe"));

    LabeledEdit2 = Make<TLabeledEdit>(GroupBox2, "LabeledEdit2");
    LabeledEdit2->SetBounds(8, 32, 41, 21);
    LabeledEdit2->SetTabOrder(0);
    LabeledEdit2->EditLabel().SetCaption(T("X-Achse"));
    LabeledEdit2->SetShowHint(true);
    LabeledEdit2->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit2->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit2Exit);

    LabeledEdit3 = Make<TLabeledEdit>(GroupBox2, "LabeledEdit3");
    LabeledEdit3->SetBounds(8, 72, 41, 21);
    LabeledEdit3->SetTabOrder(1);
    LabeledEdit3->EditLabel().SetCaption(T("Y-Achse"));
    LabeledEdit3->SetShowHint(true);
    LabeledEdit3->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit3->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit3Exit);

    LabeledEdit4 = Make<TLabeledEdit>(GroupBox2, "LabeledEdit4");
    LabeledEdit4->SetBounds(8, 112, 41, 21);
    LabeledEdit4->SetTabOrder(2);
    LabeledEdit4->EditLabel().SetCaption(T("Z-Achse"));
    LabeledEdit4->SetHint(T("Schwerpunkt des Autos in der Z-Achse (-10 bis 10)"));
    LabeledEdit4->SetShowHint(true);
    LabeledEdit4->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit4->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit4Exit);
}

void TForm1::DesignCentreOfMassFrame() {
    GroupBox3 = Make<TGroupBox>(GroupBox1, "GroupBox3");
    GroupBox3->SetBounds(80, 48, 73, 145);
    GroupBox3->SetTabOrder(2);
    GroupBox3->SetCaption(T("Schwerpunkt"));

    LabeledEdit5 = Make<TLabeledEdit>(GroupBox3, "LabeledEdit5");
    LabeledEdit5->SetBounds(8, 32, 41, 21);
    LabeledEdit5->SetTabOrder(0);
    LabeledEdit5->EditLabel().SetCaption(T("X-Achse"));
    LabeledEdit5->SetShowHint(true);
    LabeledEdit5->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit5->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit5Exit);

    LabeledEdit6 = Make<TLabeledEdit>(GroupBox3, "LabeledEdit6");
    LabeledEdit6->SetBounds(8, 72, 41, 21);
    LabeledEdit6->SetTabOrder(1);
    LabeledEdit6->EditLabel().SetCaption(T("Y-Achse"));
    LabeledEdit6->SetShowHint(true);
    LabeledEdit6->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit6->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit6Exit);

    LabeledEdit7 = Make<TLabeledEdit>(GroupBox3, "LabeledEdit7");
    LabeledEdit7->SetBounds(8, 112, 41, 21);
    LabeledEdit7->SetTabOrder(2);
    LabeledEdit7->EditLabel().SetCaption(T("Z-Achse"));
    LabeledEdit7->SetShowHint(true);
    LabeledEdit7->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit7->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit7Exit);
}

void TForm1::DesignGripFrame() {
    GroupBox4 = Make<TGroupBox>(GroupBox1, "GroupBox4");
    GroupBox4->SetBounds(160, 48, 89, 145);
    GroupBox4->SetTabOrder(4);
    GroupBox4->SetCaption(T("Bodenhaftung"));

    LabeledEdit9 = Make<TLabeledEdit>(GroupBox4, "LabeledEdit9");
    LabeledEdit9->SetBounds(8, 32, 41, 21);
    LabeledEdit9->SetTabOrder(0);
    LabeledEdit9->EditLabel().SetCaption(T("Bodenhafung"));
    LabeledEdit9->SetShowHint(true);
    LabeledEdit9->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit9->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit9Exit);

    LabeledEdit10 = Make<TLabeledEdit>(GroupBox4, "LabeledEdit10");
    LabeledEdit10->SetBounds(8, 72, 41, 21);
    LabeledEdit10->SetTabOrder(1);
    LabeledEdit10->EditLabel().SetCaption(T("Verlust"));
    LabeledEdit10->SetShowHint(true);
    LabeledEdit10->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit10->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit10Exit);

    LabeledEdit11 = Make<TLabeledEdit>(GroupBox4, "LabeledEdit11");
    LabeledEdit11->SetBounds(8, 112, 41, 21);
    LabeledEdit11->SetTabOrder(2);
    LabeledEdit11->EditLabel().SetCaption(T("Neigung"));
    LabeledEdit11->SetShowHint(true);
    LabeledEdit11->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit11->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit11Exit);
}

void TForm1::DesignBrakesFrame() {
    GroupBox5 = Make<TGroupBox>(GroupBox1, "GroupBox5");
    GroupBox5->SetBounds(256, 48, 57, 145);
    GroupBox5->SetTabOrder(10);
    GroupBox5->SetCaption(T("Bremsen"));

    LabeledEdit15 = Make<TLabeledEdit>(GroupBox5, "LabeledEdit15");
    LabeledEdit15->SetBounds(8, 36, 41, 21);
    LabeledEdit15->SetTabOrder(0);
    LabeledEdit15->EditLabel().SetCaption(T("Stärke"));
    LabeledEdit15->SetShowHint(true);
    LabeledEdit15->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit15->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit15Exit);

    LabeledEdit16 = Make<TLabeledEdit>(GroupBox5, "LabeledEdit16");
    LabeledEdit16->SetBounds(8, 76, 41, 21);
    LabeledEdit16->SetTabOrder(1);
    LabeledEdit16->EditLabel().SetCaption(T("Neigung"));
    LabeledEdit16->SetShowHint(true);
    LabeledEdit16->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit16->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit16Exit);

    CheckBox1 = Make<TCheckBox>(GroupBox5, "CheckBox1");
    CheckBox1->SetBounds(8, 112, 41, 17);
    CheckBox1->SetTabOrder(2);
    CheckBox1->SetCaption(T("ABS"));
    CheckBox1->SetShowHint(true);
    CheckBox1->OnClick = TNotifyEvent(this, &TForm1::CheckBox1Click);
}

void TForm1::DesignSuspensionFrame() {
    GroupBox6 = Make<TGroupBox>(GroupBox1, "GroupBox6");
    GroupBox6->SetBounds(320, 48, 169, 145);
    GroupBox6->SetTabOrder(12);
    GroupBox6->SetCaption(T("Aufhängung"));

    LabeledEdit18 = Make<TLabeledEdit>(GroupBox6, "LabeledEdit18");
    LabeledEdit18->SetBounds(8, 36, 73, 21);
    LabeledEdit18->SetTabOrder(0);
    LabeledEdit18->EditLabel().SetCaption(T("Stärke"));
    LabeledEdit18->SetShowHint(true);
    LabeledEdit18->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit18->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit18Exit);

    LabeledEdit19 = Make<TLabeledEdit>(GroupBox6, "LabeledEdit19");
    LabeledEdit19->SetBounds(8, 76, 73, 21);
    LabeledEdit19->SetTabOrder(1);
    LabeledEdit19->EditLabel().SetCaption(T("Dämpfung"));
    LabeledEdit19->SetShowHint(true);
    LabeledEdit19->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit19->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit19Exit);

    LabeledEdit23 = Make<TLabeledEdit>(GroupBox6, "LabeledEdit23");
    LabeledEdit23->SetBounds(88, 36, 73, 21);
    LabeledEdit23->SetTabOrder(2);
    LabeledEdit23->EditLabel().SetCaption(T("obere Grenze"));
    LabeledEdit23->SetShowHint(true);
    LabeledEdit23->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit23->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit23Exit);

    LabeledEdit24 = Make<TLabeledEdit>(GroupBox6, "LabeledEdit24");
    LabeledEdit24->SetBounds(88, 76, 73, 21);
    LabeledEdit24->SetTabOrder(3);
    LabeledEdit24->EditLabel().SetCaption(T("untere Grenze"));
    LabeledEdit24->SetShowHint(true);
    LabeledEdit24->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit24->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit24Exit);

    LabeledEdit25 = Make<TLabeledEdit>(GroupBox6, "LabeledEdit25");
    LabeledEdit25->SetBounds(8, 116, 73, 21);
    LabeledEdit25->SetTabOrder(4);
    LabeledEdit25->EditLabel().SetCaption(T("relative Neigung"));
    LabeledEdit25->SetShowHint(true);
    LabeledEdit25->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit25->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit25Exit);

    LabeledEdit26 = Make<TLabeledEdit>(GroupBox6, "LabeledEdit26");
    LabeledEdit26->SetBounds(88, 116, 73, 21);
    LabeledEdit26->SetTabOrder(5);
    LabeledEdit26->EditLabel().SetCaption(T("ANTI-DIVE"));
    LabeledEdit26->SetShowHint(true);
    LabeledEdit26->OnChange = TNotifyEvent(this, &TForm1::LabeledEdit1Change);
    LabeledEdit26->OnExit = TNotifyEvent(this, &TForm1::LabeledEdit26Exit);
}

// ComboBox5 holds the front lights and ComboBox4 the rear ones, each below its label.
void TForm1::DesignLightsFrame() {
    GroupBox7 = Make<TGroupBox>(GroupBox1, "GroupBox7");
    GroupBox7->SetBounds(8, 200, 121, 73);
    GroupBox7->SetTabOrder(16);
    GroupBox7->SetCaption(T("Licht"));

    Label3 = Make<TLabel>(GroupBox7, "Label3");
    Label3->SetBounds(62, 16, 29, 13);
    Label3->SetCaption(T("hinten"));

    Label4 = Make<TLabel>(GroupBox7, "Label4");
    Label4->SetBounds(8, 16, 27, 13);
    Label4->SetCaption(T("vorne"));

    ComboBox4 = Make<TComboBox>(GroupBox7, "ComboBox4", TComboBoxStyle::csDropDownList);
    ComboBox4->SetBounds(64, 32, 49, 21);
    ComboBox4->SetTabOrder(0);
    ComboBox4->Items.Add(T("lang"));
    ComboBox4->Items.Add(T("klein"));
    ComboBox4->Items.Add(T("groß"));
    ComboBox4->Items.Add(T("breit"));
    ComboBox4->SetShowHint(true);
    ComboBox4->OnChange = TNotifyEvent(this, &TForm1::ComboBox5Change);

    ComboBox5 = Make<TComboBox>(GroupBox7, "ComboBox5", TComboBoxStyle::csDropDownList);
    ComboBox5->SetBounds(8, 32, 49, 21);
    ComboBox5->SetTabOrder(1);
    ComboBox5->SetShowHint(true);
    ComboBox5->OnChange = TNotifyEvent(this, &TForm1::ComboBox5Change);
}

void TForm1::FormCreate() {
    CopiedTokens.Clear();
    SettingsLines.Clear();
    HandlingLines.Clear();
    ShownTokens.Clear();
    EditsClean = true;
    LanguageLines.Clear();
    ShownIndex = 0;
    Editors = {LabeledEdit1,  LabeledEdit2,  LabeledEdit3,  LabeledEdit4,  LabeledEdit5,
               LabeledEdit6,  LabeledEdit7,  LabeledEdit8,  LabeledEdit9,  LabeledEdit10,
               LabeledEdit11, LabeledEdit12, LabeledEdit13, LabeledEdit14, LabeledEdit15,
               LabeledEdit16, LabeledEdit17, LabeledEdit18, LabeledEdit19, LabeledEdit20,
               LabeledEdit21, LabeledEdit22, LabeledEdit23, LabeledEdit24, LabeledEdit25,
               LabeledEdit26};
}
