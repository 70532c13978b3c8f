// The friendship advertisement board: its rules and eight places for partners; the first
// three lead to their pages.
object Fyqgg1: TFyqgg1
  Left = 160
  Top = 100
  BorderStyle = bsToolWindow
  Caption = 'Korvane友情广告区'
  ClientHeight = 521
  ClientWidth = 786
  Color = clBtnFace
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  Position = poMainFormCenter
  object Label1: TLabel
    Left = 12
    Top = 10
    Width = 200
    Height = 15
    Caption = '友情广告说明：'
    Font.Charset = 1
    Font.Color = clNavy
    Font.Height = -12
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label2: TLabel
    Left = 24
    Top = 30
    Width = 640
    Height = 32
    Caption =
      '1、本区广告为友情广告，又称合作广告；'#13#10 +
      '2、凡宣传推广本软件的网站、平台或媒体，均可免费获得友情广告位，图片大小为175*101像素。'
    Font.Charset = 1
    Font.Color = clPurple
    Font.Height = -12
    Font.Name = '宋体'
    Font.Style = []
  end
  object BitBtn1: TBitBtn
    Left = 676
    Top = 12
    Width = 75
    Height = 41
    Cursor = crHandPoint
    Caption = 'GOOD'
    Cancel = True
    Kind = bkOK
    Layout = blGlyphTop
    TabOrder = 0
    OnClick = BitBtn1Click
  end
  object Bevel1: TBevel
    Left = 8
    Top = 62
    Width = 740
    Height = 2
    Style = bsRaised
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 70
    Width = 360
    Height = 105
    Caption = '广告连接1'
    object Image1: TImage
      Left = 2
      Top = 14
      Width = 356
      Height = 89
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      Picture.Data = file 'yqgg_1.jpg'
      OnDblClick = Image1DblClick
    end
  end
  object GroupBox2: TGroupBox
    Left = 380
    Top = 70
    Width = 360
    Height = 105
    Caption = '广告连接2'
    object Image3: TImage
      Left = 2
      Top = 14
      Width = 356
      Height = 89
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      OnDblClick = Image3DblClick
    end
  end
  object GroupBox3: TGroupBox
    Left = 8
    Top = 181
    Width = 360
    Height = 105
    Caption = '广告连接3'
    object Image4: TImage
      Left = 2
      Top = 14
      Width = 356
      Height = 89
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
      Picture.Data = file 'yqgg_3.jpg'
      OnDblClick = Image4DblClick
    end
  end
  object GroupBox4: TGroupBox
    Left = 380
    Top = 181
    Width = 360
    Height = 105
    Caption = '广告连接4'
    object Image2: TImage
      Left = 2
      Top = 14
      Width = 356
      Height = 89
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
    end
  end
  object GroupBox5: TGroupBox
    Left = 8
    Top = 292
    Width = 360
    Height = 105
    Caption = '广告连接5'
    object Image5: TImage
      Left = 2
      Top = 14
      Width = 356
      Height = 89
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
    end
  end
  object GroupBox6: TGroupBox
    Left = 380
    Top = 292
    Width = 360
    Height = 105
    Caption = '广告连接6'
    object Image6: TImage
      Left = 2
      Top = 14
      Width = 356
      Height = 89
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
    end
  end
  object GroupBox7: TGroupBox
    Left = 8
    Top = 403
    Width = 360
    Height = 105
    Caption = '广告连接7'
    object Image7: TImage
      Left = 2
      Top = 14
      Width = 356
      Height = 89
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
    end
  end
  object GroupBox8: TGroupBox
    Left = 380
    Top = 403
    Width = 360
    Height = 105
    Caption = '广告连接8'
    object Image8: TImage
      Left = 2
      Top = 14
      Width = 356
      Height = 89
      Align = alClient
      Cursor = crHandPoint
      Hint = '双击本广告，光临本网站！'
      ShowHint = True
      Stretch = True
    end
  end
  object Label3: TLabel
    Left = 758
    Top = 86
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '双'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label4: TLabel
    Left = 758
    Top = 108
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '击'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label5: TLabel
    Left = 758
    Top = 130
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '各'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label6: TLabel
    Left = 758
    Top = 152
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '图'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label7: TLabel
    Left = 758
    Top = 174
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '片'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label8: TLabel
    Left = 758
    Top = 326
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '直'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label9: TLabel
    Left = 758
    Top = 348
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '通'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label10: TLabel
    Left = 758
    Top = 370
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '各'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label11: TLabel
    Left = 758
    Top = 392
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '网'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label12: TLabel
    Left = 758
    Top = 414
    Width = 22
    Height = 20
    Alignment = taCenter
    Caption = '站'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
end
