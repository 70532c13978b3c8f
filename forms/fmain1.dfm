// The main window: layout, status panels, clock timer, pictures and menus.
object Fmain1: TFmain1
  Left = 178
  Top = 109
  Width = 756
  Height = 617
  Caption = 'Korvane影视Telvana——终身免费版   ★  精彩影视，想看就看！  ★  我的娱乐，我做主！ '
  Color = clBtnFace
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  Menu = MainMenu1
  Position = poDesktopCenter
  Icon = file 'telvana.ico'
  OnClose = FormClose
  OnCreate = FormCreate
  OnResize = FormResize
  OnShow = FormShow
  object Panel4: TPanel
    Left = 0
    Top = 0
    Width = 748
    Height = 25
    Align = alTop
    TabOrder = 3
    object WebBrowser1: TWebBrowser
      Left = 1
      Top = 1
      Width = 746
      Height = 23
      Align = alTop
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 552
    Width = 748
    Height = 19
    Align = alBottom
    Panels = <
      item
        Width = 200
        Alignment = taLeftJustify
      end
      item
        Width = 320
        Alignment = taCenter
      end
      item
        Width = 100
        Alignment = taLeftJustify
        Text = '免费版 · Korvane软件出品'
      end>
  end
  object Panel5: TPanel
    Left = 0
    Top = 416
    Width = 748
    Height = 136
    Align = alBottom
    ShowHint = False
    object Image2: TImage
      Left = 1
      Top = 1
      Width = 746
      Height = 134
      Align = alClient
      Cursor = crHandPoint
      Hint = '欢迎光临Korvane软件官方销售站http://shop.korvane.cn/！'
      ShowHint = True
      Stretch = True
      Picture.Data = file 'main_bottom.jpg'
      OnDblClick = Image2DblClick
    end
  end
  object Panel3: TPanel
    Left = 0
    Top = 25
    Width = 116
    Height = 391
    Align = alLeft
    ShowHint = False
    object Image1: TImage
      Left = 1
      Top = 1
      Width = 114
      Height = 389
      Align = alClient
      Cursor = crHandPoint
      Hint = '欢迎光临Korvane软件官方销售站http://shop.korvane.cn/！'
      ShowHint = True
      Stretch = True
      Picture.Data = file 'main_left.jpg'
      OnDblClick = Image1DblClick
    end
  end
  object Splitter2: TSplitter
    Left = 116
    Top = 25
    Width = 2
    Height = 391
    Align = alLeft
    Beveled = True
    AutoSnap = False
    OnMoved = Splitter2Moved
  end
  object Panel2: TPanel
    Left = 602
    Top = 25
    Width = 146
    Height = 391
    Align = alRight
    TabOrder = 1
    object ListBox1: TListBox
      Left = 1
      Top = 1
      Width = 144
      Height = 389
      Align = alClient
      Ctl3D = True
      Font.Charset = 1
      Font.Color = clNavy
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = []
      ItemHeight = 12
      Hint = '双点所选电视频道，即可播放'
      ShowHint = True
      OnDblClick = ListBox1DblClick
    end
  end
  object Splitter1: TSplitter
    Left = 600
    Top = 25
    Width = 2
    Height = 391
    Align = alRight
    Beveled = True
    AutoSnap = False
    OnMoved = Splitter1Moved
  end
  object Panel1: TPanel
    Left = 118
    Top = 25
    Width = 482
    Height = 391
    Align = alClient
    PopupMenu = PopupMenu1
    object WindowsMediaPlayer1: TWindowsMediaPlayer
      Left = 1
      Top = 1
      Width = 480
      Height = 389
      Align = alClient
      PopupMenu = PopupMenu1
      Hint = '右击“直播控制条”，可切换屏幕显示模式'
      ShowHint = True
      uiMode = 'full'
      stretchToFit = True
    end
  end
  object MainMenu1: TMainMenu
    AutoHotkeys = False
    object N4: TMenuItem
      Caption = '精选频道'
      object N6: TMenuItem
        Caption = '影视频道'
        ShortCut = 113
        OnClick = N6Click
      end
      object N7: TMenuItem
        Caption = '体育频道'
        ShortCut = 114
        OnClick = N7Click
      end
      object N9: TMenuItem
        Caption = '儿童频道'
        ShortCut = 115
        OnClick = N9Click
      end
      object N71: TMenuItem
        Caption = '-'
      end
      object N8: TMenuItem
        Caption = '知名音乐电台'
        ShortCut = 116
        OnClick = N8Click
      end
      object N15: TMenuItem
        Caption = '知名网络电台'
        ShortCut = 117
        OnClick = N15Click
      end
    end
    object N11: TMenuItem
      Caption = '中央频道'
      object N14: TMenuItem
        Caption = '央视01—08套'
        ShortCut = 118
        OnClick = N14Click
      end
      object N18: TMenuItem
        Caption = '央视09—15套'
        ShortCut = 119
        OnClick = N18Click
      end
    end
    object N12: TMenuItem
      Caption = '省级频道'
      object N28: TMenuItem
        Caption = '北京、上海、天津、重庆'
        OnClick = N28Click
      end
      object N43: TMenuItem
        Caption = '-'
      end
      object N37: TMenuItem
        Caption = '河北、山西、内蒙古、辽宁、吉林'
        OnClick = N37Click
      end
      object N38: TMenuItem
        Caption = '黑龙江、江苏、浙江、安徽、福建'
        OnClick = N38Click
      end
      object N39: TMenuItem
        Caption = '江西、山东、河南、湖北、湖南'
        OnClick = N39Click
      end
      object N40: TMenuItem
        Caption = '广东、广西、海南、四川、贵州'
        OnClick = N40Click
      end
      object N41: TMenuItem
        Caption = '云南、西藏、陕西、甘肃、宁夏'
        OnClick = N41Click
      end
      object N42: TMenuItem
        Caption = '青海、新疆'
        OnClick = N42Click
      end
    end
    object N53: TMenuItem
      Caption = '地方频道'
      object N58: TMenuItem
        Caption = '河北 山西 内蒙古 辽宁 吉林'
        OnClick = N58Click
      end
      object N59: TMenuItem
        Caption = '黑龙江 江苏 浙江 安徽 福建'
        OnClick = N59Click
      end
      object N60: TMenuItem
        Caption = '江西 山东 河南 湖北 湖南'
        OnClick = N60Click
      end
      object N61: TMenuItem
        Caption = '广东 广西 海南 四川 贵州'
        OnClick = N61Click
      end
      object N62: TMenuItem
        Caption = '云南 西藏 陕西 甘肃 宁夏'
        OnClick = N62Click
      end
      object N63: TMenuItem
        Caption = '青海 新疆'
        OnClick = N63Click
      end
    end
    object N1: TMenuItem
      Caption = '港台频道'
      object N29: TMenuItem
        Caption = '香港'
        OnClick = N29Click
      end
      object N30: TMenuItem
        Caption = '澳门'
        OnClick = N30Click
      end
      object N31: TMenuItem
        Caption = '台湾'
        OnClick = N31Click
      end
    end
    object N10: TMenuItem
      Caption = '国外频道'
      object N32: TMenuItem
        Caption = '韩国'
        OnClick = N32Click
      end
      object N33: TMenuItem
        Caption = '美国'
        OnClick = N33Click
      end
      object N34: TMenuItem
        Caption = '英国'
        OnClick = N34Click
      end
      object N35: TMenuItem
        Caption = '日本'
        OnClick = N35Click
      end
    end
    object N3: TMenuItem
      Caption = 'Korvane影院'
      object N20: TMenuItem
        Caption = '在线直播'
        ShortCut = 120
        OnClick = N20Click
      end
      object N64: TMenuItem
        Caption = '在线点播'
        ShortCut = 121
        OnClick = N64Click
      end
    end
    object N21: TMenuItem
      Caption = '广播电台'
      object N36: TMenuItem
        Caption = '中央电台'
        OnClick = N36Click
      end
      object N52: TMenuItem
        Caption = '省级电台'
        OnClick = N52Click
      end
      object N54: TMenuItem
        Caption = '地方电台'
        OnClick = N54Click
      end
      object N65: TMenuItem
        Caption = '网络电台'
        OnClick = N65Click
      end
      object N67: TMenuItem
        Caption = '-'
      end
      object N55: TMenuItem
        Caption = '港澳台电台'
        OnClick = N55Click
      end
      object N56: TMenuItem
        Caption = '国外电台'
        OnClick = N56Click
      end
    end
    object N22: TMenuItem
      Caption = '直播帮助'
      object N27: TMenuItem
        Caption = '如何使用Telvana'
        ShortCut = 112
        OnClick = N27Click
      end
      object N68: TMenuItem
        Caption = '屏幕模式切换'
        object N69: TMenuItem
          Caption = '全屏模式'
          ShortCut = 122
          OnClick = N69Click
        end
        object N70: TMenuItem
          Caption = '正常模式'
          ShortCut = 123
          OnClick = N70Click
        end
      end
      object N44: TMenuItem
        Caption = '软件外观选择'
        object N45: TMenuItem
          Caption = '经典情调'
          OnClick = N45Click
        end
        object N46: TMenuItem
          Caption = '春之朝气'
          OnClick = N46Click
        end
        object N47: TMenuItem
          Caption = '夏之绚烂'
          OnClick = N47Click
        end
        object N48: TMenuItem
          Caption = '秋之收获'
          OnClick = N48Click
        end
        object N49: TMenuItem
          Caption = '冬之期望'
          OnClick = N49Click
        end
      end
      object N19: TMenuItem
        Caption = '软件窗口显示'
        object N72: TMenuItem
          Caption = '总在最前面'
          OnClick = N72Click
        end
        object N73: TMenuItem
          Caption = '取消在前面'
          OnClick = N73Click
        end
      end
    end
    object N23: TMenuItem
      Caption = '关于Telvana'
      object N24: TMenuItem
        Caption = 'Korvane软件免责声明'
        OnClick = N24Click
      end
      object N26: TMenuItem
        Caption = '关于KorvaneTelvana'
        OnClick = N26Click
      end
      object N25: TMenuItem
        Caption = '联系Korvane软件'
        OnClick = N25Click
      end
      object N17: TMenuItem
        Caption = 'Korvane商业广告区'
        OnClick = N17Click
      end
      object N50: TMenuItem
        Caption = '新年专题节目'
        OnClick = N50Click
      end
      object N51: TMenuItem
        Caption = 'Korvane友情广告区'
        OnClick = N51Click
      end
      object N57: TMenuItem
        Caption = '-'
      end
      object N66: TMenuItem
        Caption = '退出本软件'
        OnClick = N66Click
      end
    end
    object N74: TMenuItem
      Caption = '我的频道'
      object N75: TMenuItem
        Caption = '打开网络地址…'
        OnClick = N75Click
      end
      object N76: TMenuItem
        Caption = '导入频道列表…'
        OnClick = N76Click
      end
    end
  end
  object PopupMenu1: TPopupMenu
    AutoHotkeys = False
    object N2: TMenuItem
      Caption = '全屏模式'
      ShortCut = 122
      OnClick = N2Click
    end
    object N5: TMenuItem
      Caption = '正常模式'
      ShortCut = 123
      OnClick = N5Click
    end
    object N13: TMenuItem
      Caption = '窗口总在最前'
      OnClick = N72Click
    end
    object N16: TMenuItem
      Caption = '取消窗口在最前'
      OnClick = N73Click
    end
  end
  object ApplicationEvents1: TApplicationEvents
  end
  object Timer1: TTimer
    Enabled = True
    Interval = 1000
    OnTimer = Timer1Timer
  end
  object SkinData1: TSkinData
    Active = True
    DisableTag = 99
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcPanel, xcGroupBox, xcStatusBar, xcTab, xcSystemMenu]
    Skin3rd.Strings = (
      'TTBDock=Panel'
      'TTBToolbar=Panel'
      'TImageEnMView=scrollbar'
      'TImageEnView=scrollbar'
      'TRzButton=button'
      'TRzCheckGroup=CheckGroup'
      'TRzRadioGroup=Radiogroup'
      'TRzRadioButton=Radiobutton'
      'TRzCheckBox=Checkbox'
      'TRzButtonEdit=Edit'
      'TRzDBRadioGroup=Radiogroup'
      'TRzDBRadioButton=Radiobutton'
      'TRzDBCheckBox=Checkbox'
      'TDBCheckboxEh=Checkbox'
      'TDBCheckboxEh=Checkbox'
      'TLMDCHECKBOX=Checkbox'
      'TLMDDBCHECKBOX=Checkbox'
      'TLMDRadiobutton=Radiobutton'
      'TLMDGROUPBOX=Panel'
      'TLMDSIMPLEPANEL=Panel'
      'TLMDDBCalendar=Panel'
      'TLMDButtonPanel=Panel'
      'TLMDLMDCalculator=Panel'
      'TLMDHeaderPanel=Panel'
      'TLMDTechnicalLine=Panel'
      'TLMDLMDClock=Panel'
      'TLMDTrackbar=trackbar'
      'TLMDListCombobox=combobox'
      'TLMDCheckListCombobox=combobox'
      'TLMDHeaderListCombobox=combobox'
      'TLMDImageCombobox=combobox'
      'TLMDColorCombobox=combobox'
      'TLMDFontCombobox=combobox'
      'TLMDFontSizeCombobox=combobox'
      'TLMDFontSizeCombobox=combobox'
      'TLMDPrinterCombobox=combobox'
      'TLMDDriveCombobox=combobox'
      'TLMDCalculatorComboBox=combobox'
      'TLMDTrackBarComboBox=combobox'
      'TLMDCalendarComboBox=combobox'
      'TLMDRADIOGROUP=radiogroup'
      'TLMDCheckGroup=CheckGroup'
      'TLMDDBRADIOGROUP=radiogroup'
      'TLMDDBCheckGroup=CheckGroup'
      'TLMDEDIT=Edit'
      'TLMDMASKEDIT=Edit'
      'TLMDBROWSEEDIT=Edit'
      'TLMDEXTSPINEDIT=Edit'
      'TLMDCALENDAREDIT=Edit'
      'TLMDFILEOPENEDIT=Edit'
      'TLMDFILESAVEEDIT=Edit'
      'TLMDCOLOREDIT=Edit'
      'TLMDDBEDIT=Edit'
      'TLMDDBMASKEDIT=Edit'
      'TLMDDBEXTSPINEDIT=Edit'
      'TLMDDBSPINEDIT=Edit'
      'TLMDDBEDITDBLookup=Edit'
      'TLMDEDITDBLookup=Edit'
      'TDBLookupCombobox=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWDBLookupCombo=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWKeyCombo=Combobox'
      'TWWTempKeyCombo=combobox'
      'TWWDBDateTimePicker=Combobox'
      'TWWRADIOGROUP=radiogroup'
      'TWWDBEDIT=Edit'
      'TcxDBCheckBox=checkbox'
      'TcxDBRadioGroup=radiogroup'
      'TcxRadioGroup=radiogroup'
      'TcxCheckBox=checkbox'
      'TOVCPICTUREFIELD=Edit'
      'TOVCDBPICTUREFIELD=Edit'
      'TOVCSLIDEREDIT=Edit'
      'TOVCDBSLIDEREDIT=Edit'
      'TOVCSIMPLEFIELD=Edit'
      'TOVCDBSIMPLEFIELD=Edit'
      'TO32DBFLEXEDIT=Edit'
      'TOVCNUMERICFIELD=Edit'
      'TOVCDBNUMERICFIELD=Edit')
    SkinStore = '(Good)'
    SkinFormtype = sfMainform
    Version = '2.65.6.22'
    MenuUpdate = True
    SkinStream = file 'fmain1_skin.bin'
  end
end
