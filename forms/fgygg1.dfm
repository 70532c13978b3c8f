// The public-service advertisement board, New Year page: its rules and one large picture that
// leads, like the button beside it, to the New Year programmes. Its column of blue characters
// is kept but hidden.
object Fgygg1: TFgygg1
  Left = 160
  Top = 100
  BorderStyle = bsToolWindow
  Caption = 'Korvane公益广告区—新年篇'
  ClientHeight = 441
  ClientWidth = 583
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
    Caption = '公益广告说明：'
    Font.Charset = 1
    Font.Color = clNavy
    Font.Height = -12
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label2: TLabel
    Left = 24
    Top = 30
    Width = 380
    Height = 32
    Caption =
      '1、本区广告为公益广告，又称免费广告区或慈善广告区；'#13#10 +
      '2、广告位置经申请审核后免费提供，图片大小为175*101像素。'
    Font.Charset = 1
    Font.Color = clPurple
    Font.Height = -12
    Font.Name = '宋体'
    Font.Style = []
  end
  object BitBtn1: TBitBtn
    Left = 492
    Top = 10
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
  object BitBtn2: TBitBtn
    Left = 408
    Top = 29
    Width = 75
    Height = 22
    Caption = '详情进入'
    TabOrder = 1
    OnClick = BitBtn2Click
  end
  object Bevel1: TBevel
    Left = 8
    Top = 63
    Width = 567
    Height = 2
    Style = bsRaised
  end
  object Image1: TImage
    Left = 17
    Top = 71
    Width = 549
    Height = 339
    Cursor = crHandPoint
    Hint = '双击本广告，光临本网站！'
    ShowHint = True
    Picture.Data = file 'gygg_newyear.jpg'
    OnDblClick = Image1DblClick
  end
  object Label3: TLabel
    Left = 558
    Top = 86
    Width = 22
    Height = 20
    Alignment = taCenter
    Visible = False
    Caption = '双'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label4: TLabel
    Left = 558
    Top = 108
    Width = 22
    Height = 20
    Alignment = taCenter
    Visible = False
    Caption = '击'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label5: TLabel
    Left = 558
    Top = 130
    Width = 22
    Height = 20
    Alignment = taCenter
    Visible = False
    Caption = '各'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label6: TLabel
    Left = 558
    Top = 152
    Width = 22
    Height = 20
    Alignment = taCenter
    Visible = False
    Caption = '图'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label7: TLabel
    Left = 558
    Top = 174
    Width = 22
    Height = 20
    Alignment = taCenter
    Visible = False
    Caption = '片'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label8: TLabel
    Left = 558
    Top = 326
    Width = 22
    Height = 20
    Alignment = taCenter
    Visible = False
    Caption = '直'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label9: TLabel
    Left = 558
    Top = 348
    Width = 22
    Height = 20
    Alignment = taCenter
    Visible = False
    Caption = '通'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label10: TLabel
    Left = 558
    Top = 370
    Width = 22
    Height = 20
    Alignment = taCenter
    Visible = False
    Caption = '各'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label11: TLabel
    Left = 558
    Top = 392
    Width = 22
    Height = 20
    Alignment = taCenter
    Visible = False
    Caption = '网'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
  object Label12: TLabel
    Left = 558
    Top = 414
    Width = 22
    Height = 20
    Alignment = taCenter
    Visible = False
    Caption = '站'
    Font.Charset = 1
    Font.Color = clBlue
    Font.Height = -15
    Font.Name = '宋体'
    Font.Style = [fsBold]
  end
end
